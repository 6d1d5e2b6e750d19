#pragma once
// The one way a label's caption changes. A window registers, once, the change rule of each
// label whose design says how it follows its text (sized to the caption, then placed: centred
// on a point, left of another label, ...); every writer, frame or game, then changes that
// caption through SetCaption, which sizes the label to its text in its own font and applies
// the rule. A label without a rule still never clips its text: it grows (keeping its centre
// for centred text, its right edge for right-aligned text, else its left edge) and comes back
// to its design size for a shorter text.
//
// Writing such a label's text directly leaves it at the size and place of its last caption;
// CaptionsOutOfRule finds those (the window tests look at every pause), and
// tools/check-captions.sh finds direct writes to the registered names in the code.

#include <QString>
#include <QStringList>
#include <functional>

class QLabel;
class QWidget;

enum class CaptionSize {
    Grow,     // at least the design size, larger where the text needs it
    AutoSize, // exactly the text's size, smaller than the design where the text is short
};

struct CaptionRule {
    CaptionSize size = CaptionSize::Grow;
    // Places the label once it has its size; empty: the default anchoring.
    std::function<void(QLabel& label)> place;
};

// Registers the rule for the child label `name` of `window` (replacing an earlier one); the
// label's present geometry is its design size and place.
void SetCaptionRule(QWidget* window, const QString& name, CaptionRule rule);
// Changes the caption, sizes the label and places it by its window's rule for it, or the
// default rule. A null label is ignored.
void SetCaption(QLabel* label, const QString& text);
// Sizes and places the label for the caption it has (after a layout moved what it follows).
void ApplyCaptionRule(QLabel* label);
// After a caption written below the frame (the high-score line the table service fills):
// the window's registered rule for the child label `name`, if it has one; else nothing.
void ApplyRegisteredRule(QWidget* window, const QString& name);
// The shown registered labels of the window that are not the size their rule gives them for
// the caption they show: each "name: x,y wxh, rule gives x,y wxh".
QStringList CaptionsOutOfRule(QWidget* window);
// The names with a registered rule in the window.
QStringList CaptionRuleNames(QWidget* window);

// Keeps the glyphs of the label's captions inside the border and bevel of its sibling `box`,
// the frame the label is centred in (a score in its gauge): where the label's own font would
// cross them, SetCaption shows the caption in the condensed face of the same family, then in
// smaller sizes; a caption that fits goes back to the label's own font.
void KeepCaptionInside(QLabel* label, const QString& box);

// Sizes the label to its caption on one line; a caption wider than `widthPixels` breaks onto
// further lines, as few as fit that width and as even as they can be.
void FitCaptionWithin(QLabel* label, int widthPixels);

// Place helpers for rules, in twips as the designs give them.
// Centres the label horizontally on x (its top kept).
std::function<void(QLabel&)> CentreOnX(std::function<double()> xTwips);
// The label's right edge `gapTwips` left of the left edge of the sibling `name`.
std::function<void(QLabel&)> LeftOfLabel(const QString& name, int gapTwips);
// Centres the label on the sibling `name` across, and also down when `down` is set; an empty
// name centres it across its parent.
std::function<void(QLabel&)> CentreOn(const QString& name, bool down);
