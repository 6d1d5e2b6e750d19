#include "frame/CustomScoringDialog.h"

#include "frame/GameWindow.h"
#include "platform/CentreOnScreen.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <map>

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The length of a run of digits starting at `i`.
qsizetype digitsAt(const QString& t, qsizetype i) {
    qsizetype n = 0;
    while (i + n < t.size() && isDigit(t[i + n]))
        ++n;
    return n;
}

QRect px(const QRect& twips) {
    return TwRect(twips.x(), twips.y(), twips.width(), twips.height());
}

// A box's maximum length limits what the player types, not the text the dialog puts in it
// (a wait of 2500 ms shows "2.5" in a two-character box), which QLineEdit's own limit would
// cut.
class TypedLength : public QValidator {
  public:
    TypedLength(int most, QObject* parent) : QValidator(parent), most_(most) {}
    State validate(QString& input, int&) const override {
        return input.size() <= most_ ? Acceptable : Invalid;
    }

  private:
    int most_;
};

int32_t rounded(double v) {
    // The default rounding mode sends halves to the even neighbour; every caller has
    // checked the range, which lies within 32 bits.
    return int32_t(std::nearbyint(v));
}
} // namespace

double ReadBoxNumber(const QString& t, bool exponent) {
    qsizetype i = 0;
    while (i < t.size() && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) number += t[i++];
    qsizetype run = digitsAt(t, i);
    number += t.mid(i, run);
    i += run;
    bool digits = run > 0;
    // Digit grouping: groups of exactly three after a lead of one to three digits.
    if (run >= 1 && run <= 3) {
        while (i + 4 <= t.size() && t[i] == QLatin1Char(',') && digitsAt(t, i + 1) == 3) {
            number += t.mid(i + 1, 3);
            i += 4;
        }
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        const qsizetype fraction = digitsAt(t, i + 1);
        number += QLatin1Char('.') + t.mid(i + 1, fraction);
        i += 1 + fraction;
        digits = digits || fraction > 0;
    }
    if (exponent && i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == QLatin1Char('-') || t[j] == QLatin1Char('+'))) ++j;
        const qsizetype power = digitsAt(t, j);
        // Only a mantissa with digits takes a power: "e5" alone is no number.
        if (power > 0 && digits) number += QLatin1Char('e') + t.mid(i + 1, j - i - 1 + power);
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    // A number too large to hold reads as infinite, so that it lies beyond every range.
    if (std::isinf(v)) return v;
    return ok && !std::isnan(v) ? v : 0.0;
}

ScoringCheck RangeCheck(const char* box, double low, double high, const QString& message) {
    return {.box = box, .low = low, .high = high, .lowMessage = message, .highMessage = message};
}

QString BoxText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return QString::number(qint64(v));
    return QString::number(v, 'g', 12);
}

ScoringCheck RangeCheck(const char* box, double low, double high, QString lowMessage,
                        QString highMessage) {
    return {.box = box,
            .low = low,
            .high = high,
            .lowMessage = std::move(lowMessage),
            .highMessage = std::move(highMessage)};
}

ScoringCheck CheckFromZero(const char* box, double high, QString lowMessage, QString highMessage) {
    return RangeCheck(box, 0, high, std::move(lowMessage), std::move(highMessage));
}

ScoringCheck PassesCheck(const char* box) {
    // The passes left are set from the setting at each round, so a refused count is not kept.
    return {.box = box,
            .low = 0,
            .high = 10,
            .lowMessage = QStringLiteral("Sorry, you cannot pass fewer than 0 cards."),
            .highMessage = QStringLiteral("Sorry, you cannot pass more than 10 cards."),
            .storeBound = false};
}

ScoringCheck WaitCheck(const char* box, int mostSeconds) {
    return CheckFromZero(box, mostSeconds,
                         QStringLiteral("Sorry, a minimum of 0 seconds is required for the "
                                        "waiting period between rounds."),
                         QStringLiteral("Sorry, a maximum of %1 seconds is allowed for the "
                                        "waiting period between rounds.")
                             .arg(mostSeconds));
}

ScoringCheck TimeBonusCheck(const char* box) {
    return CheckFromZero(
        box, 32767,
        QStringLiteral("Sorry, you cannot set the Time Bonus value to less than 0 points."),
        QStringLiteral("Sorry, you cannot set the Time Bonus value to greater than 32767 points"));
}

CustomScoringDialog::CustomScoringDialog(ScoringForm form, QWidget* parent)
    : QDialog(parent), form_(std::move(form)) {
    setObjectName(QLatin1String(form_.dialogName));
    buildControls();
    Form_Load();
}

void CustomScoringDialog::buildControls() {
    note_ = new QLabel(this);
    note_->setObjectName(QLatin1String(form_.noteName));
    note_->setWordWrap(true);
    note_->setStyleSheet((form_.noteBlue ? QStringLiteral("color: #0000ff;") : QString()) +
                         form_.noteStyle);
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QLatin1String(form_.frameName));
    if (form_.frameBold) frame_->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; }"));
    auto home = [this](bool inFrame) { return inFrame ? static_cast<QWidget*>(frame_) : this; };
    for (const ScoringCaption& c : form_.captions) {
        auto* l = new QLabel(c.caption, home(c.inFrame));
        l->setObjectName(QLatin1String(c.name));
        l->setWordWrap(true);
        l->setStyleSheet(c.style);
        captions_.push_back(l);
    }
    for (const ScoringBox& r : form_.boxes) {
        QWidget* parent = home(r.inFrame);
        auto* l = new QLabel(r.caption, parent);
        l->setObjectName(QLatin1String(r.label));
        l->setWordWrap(true);
        labels_.push_back(l);
        auto* b = new QLineEdit(parent);
        b->setObjectName(QLatin1String(r.box));
        b->setStyleSheet(r.style);
        if (r.maxLength > 0) b->setValidator(new TypedLength(r.maxLength, b));
        b->installEventFilter(this);
        boxes_.push_back(b);
        tabs_.emplace_back(r.tabIndex, b);
    }
    for (const ScoringToggle& sw : form_.switches) {
        auto* c = new QCheckBox(sw.caption, home(sw.inFrame));
        c->setObjectName(QLatin1String(sw.name));
        c->setStyleSheet(sw.style);
        const QString name = c->objectName();
        connect(c, &QCheckBox::toggled, this, [this, name](bool on) {
            if (form_.switched) form_.switched(*this, name, on);
        });
        checks_.push_back(c);
        tabs_.emplace_back(sw.tabIndex, c);
    }
    for (const ScoringOption& o : form_.options) {
        auto* r = new QRadioButton(o.caption, home(o.inFrame));
        r->setObjectName(QLatin1String(o.name));
        options_.push_back(r);
        tabs_.emplace_back(o.tabIndex, r);
    }
    for (const ScoringPicture& p : form_.pictures) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(p.name));
        b->setIcon(p.picture);
        b->setIconSize(p.picture.size());
        connect(b, &QPushButton::clicked, this, [clicked = p.clicked] {
            if (clicked) clicked();
        });
        pictures_.push_back(b);
        tabs_.emplace_back(p.tabIndex, b);
    }
    auto button = [this](const char* name, const char* caption, const ScoringButton& b) {
        auto* p = new QPushButton(QLatin1String(caption), this);
        p->setObjectName(QLatin1String(name));
        tabs_.emplace_back(b.tabIndex, p);
        return p;
    };
    ok_ = button("cmdOK", "&OK", form_.ok);
    ok_->setDefault(true);
    default_ = button("cmdDefault", "&Default", form_.byDefault);
    cancel_ = button("cmdCancel", "&Cancel", form_.cancel);
    std::stable_sort(tabs_.begin(), tabs_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < tabs_.size(); ++i)
        setTabOrder(tabs_[i - 1].second, tabs_[i].second);
    connect(ok_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(default_, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

namespace {
constexpr int kGapTwips = 60;    // between a widened caption and its box
constexpr int kMarginTwips = 90; // kept below the lowest control of the frame and the dialog

// Moves down every child of `parent` that starts at or below `from` by `by` pixels.
void pushDown(QWidget* parent, int from, int by, const QWidget* except) {
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != except && w->y() >= from) w->move(w->x(), w->y() + by);
}

// How far the children of `parent` that start at or below `from` must move so that none that
// shares columns with `grown` lies under it: 0 while the free room below holds it.
int overlapBelow(QWidget* parent, const QRect& grown, int from, const QWidget* except) {
    int by = 0;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == except || w->y() < from) continue;
        if (w->x() > grown.right() || w->geometry().right() < grown.x()) continue;
        by = std::max(by, grown.y() + grown.height() - w->y());
    }
    return by;
}

int lowestBottom(const QWidget* parent) {
    int bottom = 0;
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, w->y() + w->height());
    return bottom;
}

// Grows a wrapped caption to the height it needs; the growth, 0 if none. A label beside its
// box keeps its middle, as far as the controls above it leave room.
int grow(QWidget* label, bool beside) {
    label->ensurePolished(); // a style sheet's font (a bold note) is measured, not the plain one
    const auto* text = qobject_cast<QLabel*>(label);
    const int needed = text ? text->heightForWidth(label->width()) : label->sizeHint().height();
    if (needed <= label->height()) return 0;
    const int by = needed - label->height();
    int top = label->y();
    if (beside) {
        // Never above the first control of its frame (or dialog), nor into one over it.
        const QList<QWidget*> siblings =
            label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        int ceiling = label->y();
        for (QWidget* w : siblings)
            ceiling = std::min(ceiling, w->y());
        for (QWidget* w : siblings) {
            const bool shares =
                w->x() <= label->geometry().right() && w->geometry().right() >= label->x();
            if (w != label && shares && w->y() + w->height() <= label->y())
                ceiling = std::max(ceiling, w->y() + w->height());
        }
        top = std::max(ceiling, label->y() - by / 2);
    }
    label->setGeometry(label->x(), top, label->width(), needed);
    return by;
}

// A check box's caption cannot wrap by itself: its words are broken into lines that fit
// `width` beside the indicator.
void wrapCaption(QCheckBox* box, const QString& caption, int width) {
    box->ensurePolished(); // the style sheet's font
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    QTextLayout layout(caption, box->font());
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(1, width - indicator));
        lines << caption.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    box->setText(lines.join(QLatin1Char('\n')));
}
} // namespace

void CustomScoringDialog::layoutControls() {
    note_->setGeometry(px(form_.notePlace));
    frame_->setGeometry(px(form_.framePlace));
    for (size_t i = 0; i < form_.boxes.size(); ++i) {
        labels_[i]->setGeometry(px(form_.boxes[i].labelPlace));
        boxes_[i]->setGeometry(px(form_.boxes[i].boxPlace));
    }
    for (size_t i = 0; i < captions_.size(); ++i)
        captions_[i]->setGeometry(px(form_.captions[i].place));
    int width = Tw(form_.client.width());
    // A check box or option caption does not wrap: the control widens to hold it.
    auto place = [this, &width](QWidget* w, const QRect& twips) {
        QRect r = px(twips);
        r.setWidth(std::max(r.width(), w->sizeHint().width()));
        r.setHeight(std::max(r.height(), w->sizeHint().height()));
        w->setGeometry(r);
        width =
            std::max(width, r.right() + (w->parentWidget() == frame_ ? frame_->x() : 0) + Tw(120));
    };
    for (size_t i = 0; i < checks_.size(); ++i) {
        const ScoringToggle& sw = form_.switches[i];
        if (sw.wraps) {
            wrapCaption(checks_[i], sw.caption, px(sw.place).width());
            checks_[i]->setGeometry(px(sw.place));
        } else {
            place(checks_[i], sw.place);
        }
    }
    for (size_t i = 0; i < options_.size(); ++i)
        place(options_[i], form_.options[i].place);
    for (size_t i = 0; i < pictures_.size(); ++i)
        pictures_[i]->setGeometry(px(form_.pictures[i].place));
    ok_->setGeometry(px(form_.ok.place));
    default_->setGeometry(px(form_.byDefault.place));
    cancel_->setGeometry(px(form_.cancel.place));

    // A row's caption that needs more than one line at its design width first takes the
    // room up to its box.
    for (size_t i = 0; i < labels_.size(); ++i) {
        QLabel* l = labels_[i];
        const QRect box = boxes_[i]->geometry();
        if (boxes_[i]->parentWidget() != l->parentWidget() || box.x() <= l->x()) continue;
        if (l->heightForWidth(l->width()) <= l->heightForWidth(QWIDGETSIZE_MAX)) continue;
        l->resize(std::max(l->width(), box.x() - Tw(kGapTwips) - l->x()), l->height());
    }

    // Grown captions take the free room below them first; what they still need pushes the
    // controls below them down, bottom-most first so that a move never carries a control
    // past another label still to be grown. The frame and the dialog grow only when their
    // contents no longer fit.
    const int frameMargin = std::min(Tw(kMarginTwips), frame_->height() - lowestBottom(frame_));
    const int dialogMargin =
        std::min(Tw(kMarginTwips), Tw(form_.client.height()) - lowestBottom(this));
    std::vector<QWidget*> labels(labels_.begin(), labels_.end());
    labels.insert(labels.end(), captions_.begin(), captions_.end());
    labels.push_back(note_);
    for (size_t i = 0; i < checks_.size(); ++i)
        if (form_.switches[i].wraps) labels.push_back(checks_[i]);
    std::sort(labels.begin(), labels.end(), [this](const QWidget* a, const QWidget* b) {
        return a->mapTo(this, QPoint()).y() > b->mapTo(this, QPoint()).y();
    });
    for (QWidget* l : labels) {
        const int bottom = l->y() + l->height();
        if (grow(l, std::find(labels_.begin(), labels_.end(), l) != labels_.end()) == 0) continue;
        QWidget* parent = l->parentWidget();
        pushDown(parent, bottom, overlapBelow(parent, l->geometry(), bottom, l), l);
        if (parent != frame_) continue;
        const int frameBottom = frame_->y() + frame_->height();
        const int by = lowestBottom(frame_) + frameMargin - frame_->height();
        if (by <= 0) continue;
        frame_->resize(frame_->width(), frame_->height() + by);
        pushDown(this, frameBottom, overlapBelow(this, frame_->geometry(), frameBottom, frame_),
                 frame_);
    }
    setFixedSize(width, std::max(Tw(form_.client.height()), lowestBottom(this) + dialogMargin));
}

void CustomScoringDialog::Form_Load() {
    const QString& title = Shared().GameTitle;
    setWindowTitle(title + QStringLiteral(" User Options"));
    frame_->setTitle(title + QStringLiteral(" Scoring Options"));
    note_->setText(form_.note);
    showValues(false);
    layoutControls();
    CentreOnScreen(this);
    if (!tabs_.empty()) tabs_.front().second->setFocus();
}

std::vector<QWidget*> CustomScoringDialog::tabOrder() const {
    std::vector<QWidget*> out;
    for (const auto& [index, w] : tabs_)
        out.push_back(w);
    return out;
}

QLineEdit* CustomScoringDialog::box(const QString& name) const {
    for (QLineEdit* b : boxes_)
        if (b->objectName() == name) return b;
    return nullptr;
}

QLabel* CustomScoringDialog::rowLabel(const QString& name) const {
    for (QLabel* l : labels_)
        if (l->objectName() == name) return l;
    return note_->objectName() == name ? note_ : nullptr;
}

QCheckBox* CustomScoringDialog::switchBox(const QString& name) const {
    for (QCheckBox* c : checks_)
        if (c->objectName() == name) return c;
    return nullptr;
}

const ScoringBox& CustomScoringDialog::boxRow(const char* name) const {
    for (const ScoringBox& r : form_.boxes)
        if (qstrcmp(r.box, name) == 0) return r;
    return form_.boxes.front(); // a step names its own form's boxes
}

void CustomScoringDialog::fail(QLineEdit* b, const QString& message, const QString& text) {
    platform::MsgBox(message, platform::Buttons::OK, form_.icon, Shared().GameTitle, this);
    b->setText(text);
    b->setFocus();
    b->selectAll();
}

void CustomScoringDialog::store(const QString& key, double value, double scale) {
    form_.settings->store(key, rounded(value * scale));
}

void CustomScoringDialog::storeSwitches() {
    for (size_t i = 0; i < form_.switches.size(); ++i)
        form_.settings->store(form_.switches[i].key, checks_[i]->isChecked() ? 1 : 0);
    if (!form_.optionsFirst) storeOptions();
}

void CustomScoringDialog::storeOptions() {
    for (size_t i = 0; i < form_.options.size(); ++i)
        if (options_[i]->isChecked())
            form_.settings->store(form_.options[i].key, form_.options[i].value);
}

QPushButton* CustomScoringDialog::pictureButton(const QString& name) const {
    for (QPushButton* b : pictures_)
        if (b->objectName() == name) return b;
    return nullptr;
}

QRadioButton* CustomScoringDialog::option(const QString& name) const {
    for (QRadioButton* r : options_)
        if (r->objectName() == name) return r;
    return nullptr;
}

CustomScoringDialog::Verdict CustomScoringDialog::judge(const ScoringCheck& c) {
    QLineEdit* b = box(QLatin1String(c.box));
    if (!b->isEnabled()) return {};
    const double v = ReadBoxNumber(b->text(), form_.readsExponent);
    const auto other = [this](const char* name) {
        return ReadBoxNumber(box(QLatin1String(name))->text(), form_.readsExponent);
    };
    if (c.above && v <= other(c.above))
        return {false, c.orderMessage, BoxText(other(c.above) + 1), std::nullopt};
    if (c.below && v >= other(c.below))
        return {false, c.orderMessage, BoxText(other(c.below) - 1), std::nullopt};
    const bool low = c.lowExclusive ? v <= c.low : v < c.low;
    if (low || v > c.high) {
        const double bound = c.outOfRange.value_or(low ? c.low : c.high);
        const QString& text = low ? c.lowText : c.highText;
        return {false, low ? c.lowMessage : c.highMessage, text.isEmpty() ? BoxText(bound) : text,
                c.storeBound ? std::optional(bound) : std::nullopt};
    }
    return {true, {}, {}, v};
}

void CustomScoringDialog::passed(const ScoringCheck& c) {
    if (c.thenSwitches) storeSwitches();
    if (c.thenFollowUp && form_.followUp) form_.followUp();
}

bool CustomScoringDialog::everyStep() {
    bool allValid = true;
    for (const ScoringCheck& c : form_.checks) {
        const Verdict v = judge(c);
        const ScoringBox& row = boxRow(c.box);
        if (v.value) store(row.key, *v.value, row.scale);
        if (v.passed) {
            passed(c);
        } else {
            fail(box(QLatin1String(c.box)), v.message, v.text);
            allValid = false;
        }
    }
    return allValid;
}

bool CustomScoringDialog::firstFailure() {
    std::vector<Verdict> verdicts;
    for (const ScoringCheck& c : form_.checks) {
        verdicts.push_back(judge(c));
        if (verdicts.back().passed) continue;
        QLineEdit* b = box(QLatin1String(c.box));
        fail(b, verdicts.back().message, b->text());
        return false;
    }
    // Switches first: a box may be read by the mode a switch chose.
    storeSwitches();
    for (size_t i = 0; i < form_.checks.size(); ++i) {
        const ScoringBox& row = boxRow(form_.checks[i].box);
        if (verdicts[i].value) store(row.key, *verdicts[i].value, row.scale);
        passed(form_.checks[i]);
    }
    return true;
}

void CustomScoringDialog::cmdOK_Click() {
    std::map<QString, int32_t> before;
    for (const auto& [higher, lower] : form_.orderedPairs) {
        before[higher] = form_.settings->value(higher);
        before[lower] = form_.settings->value(lower);
    }
    if (form_.optionsFirst) storeOptions();
    bool allValid = form_.closing == ScoringClose::EveryStep ? everyStep() : firstFailure();
    for (const auto& [higher, lower] : form_.orderedPairs) {
        if (form_.settings->value(higher) > form_.settings->value(lower)) continue;
        form_.settings->store(higher, before[higher]);
        form_.settings->store(lower, before[lower]);
        if (allValid) {
            // Every step passed, yet rounding made the two meet: the lower box says so.
            for (const ScoringCheck& c : form_.checks)
                if (boxRow(c.box).key == lower && !c.orderMessage.isEmpty())
                    fail(box(QLatin1String(c.box)), c.orderMessage,
                         BoxText(form_.settings->value(higher) - 1));
            allValid = false;
        }
    }
    if (form_.customMark) form_.customMark();
    if (allValid) accept();
}

void CustomScoringDialog::showValues(bool defaults) {
    const SettingsTable& t = *form_.settings;
    auto of = [&t, defaults](const QString& key) {
        return defaults ? t.defaultOf(key) : t.value(key);
    };
    for (size_t i = 0; i < form_.boxes.size(); ++i)
        boxes_[i]->setText(BoxText(of(form_.boxes[i].key) / form_.boxes[i].scale));
    for (size_t i = 0; i < form_.options.size(); ++i) {
        // A group whose value matches none of its options shows none selected.
        const QSignalBlocker quiet(options_[i]);
        options_[i]->setAutoExclusive(false);
        options_[i]->setChecked(of(form_.options[i].key) == form_.options[i].value);
        options_[i]->setAutoExclusive(true);
    }
    for (size_t i = 0; i < form_.switches.size(); ++i) {
        const bool on = of(form_.switches[i].key) != 0;
        // The switch's own reaction runs even when it already shows that state.
        if (checks_[i]->isChecked() == on && form_.switched)
            form_.switched(*this, checks_[i]->objectName(), on);
        checks_[i]->setChecked(on);
    }
}

void CustomScoringDialog::cmdDefault_Click() {
    if (form_.defaultStores) {
        const SettingsTable& t = *form_.settings;
        for (const ScoringBox& b : form_.boxes)
            t.store(b.key, t.defaultOf(b.key));
        for (const ScoringToggle& sw : form_.switches)
            t.store(sw.key, t.defaultOf(sw.key));
        for (const ScoringOption& o : form_.options)
            t.store(o.key, t.defaultOf(o.key));
        if (form_.customMark) form_.customMark();
    }
    showValues(true);
}

void CustomScoringDialog::cmdCancel_Click() {
    reject();
}

bool CustomScoringDialog::eventFilter(QObject* watched, QEvent* event) {
    // A box that gets the focus has its whole text selected, so typing replaces it.
    if (event->type() == QEvent::FocusIn)
        if (auto* b = qobject_cast<QLineEdit*>(watched)) b->selectAll();
    return QDialog::eventFilter(watched, event);
}

void GameWindow::ShowScoringForm(ScoringForm form) {
    if (!form.customMark) form.customMark = [this] { CheckForCustom(); };
    CustomScoringDialog dialog(std::move(form), this);
    platform::ShowModal(dialog);
}
