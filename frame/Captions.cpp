#include "frame/Captions.h"

#include "frame/DesignLabel.h"
#include "frame/TwipsLayout.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QStyle>
#include <algorithm>
#include <map>

namespace {

const char* const kDesignRect = "captionDesignRect";

// The rules of one window live with it, so they end with the window.
class CaptionRules : public QObject {
  public:
    explicit CaptionRules(QWidget* window) : QObject(window) {
        setObjectName(QStringLiteral("CaptionRules"));
    }
    std::map<QString, CaptionRule> rules;
};

CaptionRules* rulesOf(QWidget* window, bool create) {
    if (!window) return nullptr;
    auto* r = window->findChild<CaptionRules*>(QStringLiteral("CaptionRules"),
                                               Qt::FindDirectChildrenOnly);
    if (!r && create) r = new CaptionRules(window);
    return r;
}

// The window a label's rule is registered with: the nearest ancestor holding rules.
const CaptionRule* ruleFor(const QLabel* label) {
    for (QWidget* w = label->parentWidget(); w; w = w->parentWidget())
        if (CaptionRules* r = rulesOf(w, false)) {
            auto it = r->rules.find(label->objectName());
            if (it != r->rules.end()) return &it->second;
        }
    return nullptr;
}

QRect designRect(QLabel* label) {
    const QVariant v = label->property(kDesignRect);
    if (v.isValid()) return v.toRect();
    label->setProperty(kDesignRect, label->geometry());
    return label->geometry();
}

// The size the whole caption needs in the label's font, margins and indent included.
QSize textSize(const QLabel* label, int width) {
    if (label->text().isEmpty() && !label->pixmap().isNull()) return label->size();
    if (label->wordWrap() && width > 0) return QSize(width, label->heightForWidth(width));
    return label->sizeHint();
}

// Grows or shrinks around the anchor the alignment gives.
QRect anchored(const QRect& now, QSize size, Qt::Alignment a) {
    QRect r(now.topLeft(), size);
    if (a & Qt::AlignHCenter)
        r.moveLeft(now.center().x() - (size.width() - 1) / 2);
    else if (a & Qt::AlignRight)
        r.moveRight(now.right());
    if (a & Qt::AlignVCenter)
        r.moveTop(now.center().y() - (size.height() - 1) / 2);
    else if (a & Qt::AlignBottom)
        r.moveBottom(now.bottom());
    return r;
}

const char* const kInsideBox = "captionInsideBox";
const char* const kOwnFont = "captionOwnFont";
const char* const kFittedFont = "captionFittedFont";
// The width of a gauge's bevel line, drawn inside the frame's right edge; kept clear on both
// sides so that the caption stays centred.
constexpr int kBevelPixels = 3;
constexpr double kLeastPoints = 6.0;
constexpr double kPointStep = 0.5;

// The font a label kept inside a box shows its caption in: its own where the caption fits,
// else the condensed face, stepping down in size until it fits.
void fitInsideBox(QLabel* label) {
    // Most labels keep no box: every caption written goes through here.
    const QString boxName = label->property(kInsideBox).toString();
    const QWidget* parent = label->parentWidget();
    if (boxName.isEmpty() || !parent) return;
    const auto* box = parent->findChild<QFrame*>(boxName);
    if (!box) return;
    // A font set by anyone but this rule is the label's own from then on.
    const QVariant fitted = label->property(kFittedFont);
    if (!fitted.isValid() || fitted.value<QFont>() != label->font())
        label->setProperty(kOwnFont, label->font());
    const QFont own = label->property(kOwnFont).value<QFont>();
    const int room = box->width() - 2 * (box->frameWidth() + kBevelPixels);
    auto fits = [&](const QFont& f) {
        return QFontMetrics(f).boundingRect(label->text()).width() <= room;
    };
    QFont font = own;
    if (!fits(font))
        for (double points = own.pointSizeF(); points >= kLeastPoints; points -= kPointStep) {
            font = CondensedFace(own, points);
            if (fits(font)) break;
        }
    label->setFont(font);
    label->setProperty(kFittedFont, font);
}

QRect ruleGeometry(QLabel* label, const CaptionRule* rule) {
    const QRect design = designRect(label);
    const CaptionSize mode = rule ? rule->size : CaptionSize::Grow;
    QSize need = textSize(label, label->wordWrap() ? design.width() : 0);
    if (mode == CaptionSize::Grow) need = need.expandedTo(design.size());
    const QRect saved = label->geometry();
    label->setGeometry(anchored(saved, need, label->alignment()));
    if (rule && rule->place) rule->place(*label);
    const QRect result = label->geometry();
    label->setGeometry(saved);
    return result;
}

QString rectText(const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

void SetCaptionRule(QWidget* window, const QString& name, CaptionRule rule) {
    CaptionRules* r = rulesOf(window, true);
    if (auto* l = window->findChild<QLabel*>(name)) l->setProperty(kDesignRect, l->geometry());
    r->rules[name] = std::move(rule);
}

void ApplyCaptionRule(QLabel* label) {
    if (!label) return;
    fitInsideBox(label);
    label->setGeometry(ruleGeometry(label, ruleFor(label)));
}

void KeepCaptionInside(QLabel* label, const QString& box) {
    if (label) label->setProperty(kInsideBox, box);
}

void ApplyRegisteredRule(QWidget* window, const QString& name) {
    CaptionRules* r = rulesOf(window, false);
    if (!r || !r->rules.count(name)) return;
    ApplyCaptionRule(window->findChild<QLabel*>(name));
}

void SetCaption(QLabel* label, const QString& text) {
    if (!label) return;
    designRect(label); // the first caption change keeps the design geometry
    label->setText(text);
    ApplyCaptionRule(label);
}

QStringList CaptionsOutOfRule(QWidget* window) {
    QStringList out;
    CaptionRules* r = rulesOf(window, false);
    if (!r) return out;
    for (const auto& [name, rule] : r->rules) {
        auto* l = window->findChild<QLabel*>(name);
        if (!l || !l->isVisibleTo(window) || l->text().isEmpty()) continue;
        // Only the size: count-ups and layouts may move a label on purpose after its rule.
        const QRect want = ruleGeometry(l, &rule);
        if (want.size() != l->size())
            out << QString("%1: %2, rule gives %3")
                       .arg(name, rectText(l->geometry()), rectText(want));
    }
    return out;
}

QStringList CaptionRuleNames(QWidget* window) {
    QStringList names;
    if (CaptionRules* r = rulesOf(window, false))
        for (const auto& entry : r->rules)
            names << entry.first;
    return names;
}

std::function<void(QLabel&)> CentreOnX(std::function<double()> xTwips) {
    return [x = std::move(xTwips)](QLabel& l) { MoveLeftTw(&l, x() - TwWidth(&l) / 2.0); };
}

std::function<void(QLabel&)> LeftOfLabel(const QString& name, int gapTwips) {
    return [name, gapTwips](QLabel& l) {
        const QWidget* parent = l.parentWidget();
        const QWidget* other = parent ? parent->findChild<QWidget*>(name) : nullptr;
        if (other) MoveLeftTw(&l, TwLeft(other) - TwWidth(&l) - gapTwips);
    };
}

std::function<void(QLabel&)> CentreOn(const QString& name, bool down) {
    return [name, down](QLabel& l) {
        const QWidget* parent = l.parentWidget();
        if (!parent) return;
        const QWidget* other = name.isEmpty() ? nullptr : parent->findChild<QWidget*>(name);
        if (!name.isEmpty() && !other) return;
        const QRect r = other ? other->geometry() : QRect(QPoint(), parent->size());
        l.move(r.x() + (r.width() - l.width()) / 2,
               down ? r.y() + r.height() / 2 - l.height() / 2 : l.y());
    };
}

void FitCaptionWithin(QLabel* label, int widthPixels) {
    label->setWordWrap(false);
    label->resize(label->sizeHint());
    if (label->width() <= widthPixels) return;
    label->setWordWrap(true);
    // The narrowest width that keeps as few lines gives lines of even length; a word is
    // never broken, so no line is narrower than the longest word.
    const int height = label->heightForWidth(widthPixels);
    int narrow = std::max(widthPixels / 2, label->minimumSizeHint().width() - 1);
    int wide = std::max(widthPixels, narrow + 1);
    while (wide - narrow > 1) {
        const int mid = (narrow + wide) / 2;
        (label->heightForWidth(mid) > height ? narrow : wide) = mid;
    }
    label->resize(wide, height);
}
