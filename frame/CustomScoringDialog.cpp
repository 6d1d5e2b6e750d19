#include "frame/CustomScoringDialog.h"

#include "platform/CentreOnScreen.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

double ReadBoxNumber(const QString& t) {
    qsizetype i = 0;
    while (i < t.size() && (t[i] == QLatin1Char(' ') || t[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) number += t[i++];
    qsizetype run = digitsAt(t, i);
    number += t.mid(i, run);
    i += run;
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
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && !std::isnan(v) ? v : 0.0;
}

QString BoxText(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return QString::number(qint64(v));
    return QString::number(v, 'g', 12);
}

CustomScoringDialog::CustomScoringDialog(ScoringForm form, QWidget* parent)
    : QDialog(parent), form_(std::move(form)) {
    setObjectName(QLatin1String(form_.dialogName));
    buildControls();
    Form_Load();
}

void CustomScoringDialog::buildControls() {
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblInfo"));
    note_->setWordWrap(true);
    if (form_.noteBlue) note_->setStyleSheet(QStringLiteral("color: #0000ff;"));
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QLatin1String(form_.frameName));
    for (const ScoringBox& r : form_.boxes) {
        QWidget* parent = r.inFrame ? static_cast<QWidget*>(frame_) : this;
        auto* l = new QLabel(r.caption, parent);
        l->setObjectName(QLatin1String(r.label));
        l->setWordWrap(true);
        labels_.push_back(l);
        auto* b = new QLineEdit(parent);
        b->setObjectName(QLatin1String(r.box));
        if (r.maxLength > 0) b->setValidator(new TypedLength(r.maxLength, b));
        b->installEventFilter(this);
        boxes_.push_back(b);
        tabs_.emplace_back(r.tabIndex, b);
    }
    for (const ScoringToggle& sw : form_.switches) {
        auto* c = new QCheckBox(sw.caption, sw.inFrame ? static_cast<QWidget*>(frame_) : this);
        c->setObjectName(QLatin1String(sw.name));
        checks_.push_back(c);
        tabs_.emplace_back(sw.tabIndex, c);
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
// Moves down every child of `parent` that starts at or below `from` by `by` pixels.
void pushDown(QWidget* parent, int from, int by, const QWidget* except) {
    for (QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (w != except && w->y() >= from) w->move(w->x(), w->y() + by);
}

// Grows a wrapped label to the height its caption needs; the growth, 0 if none.
int grow(QLabel* label) {
    const int needed = label->heightForWidth(label->width());
    if (needed <= label->height()) return 0;
    const int by = needed - label->height();
    label->resize(label->width(), needed);
    return by;
}
} // namespace

void CustomScoringDialog::layoutControls() {
    note_->setGeometry(px(form_.notePlace));
    frame_->setGeometry(px(form_.framePlace));
    for (size_t i = 0; i < form_.boxes.size(); ++i) {
        labels_[i]->setGeometry(px(form_.boxes[i].labelPlace));
        boxes_[i]->setGeometry(px(form_.boxes[i].boxPlace));
    }
    int width = Tw(form_.client.width());
    for (size_t i = 0; i < checks_.size(); ++i) {
        QRect r = px(form_.switches[i].place);
        // A check box caption does not wrap: the box widens to hold it.
        r.setWidth(std::max(r.width(), checks_[i]->sizeHint().width()));
        r.setHeight(std::max(r.height(), checks_[i]->sizeHint().height()));
        checks_[i]->setGeometry(r);
        const QWidget* p = checks_[i]->parentWidget();
        width = std::max(width, r.right() + (p == frame_ ? frame_->x() : 0) + Tw(120));
    }
    ok_->setGeometry(px(form_.ok.place));
    default_->setGeometry(px(form_.byDefault.place));
    cancel_->setGeometry(px(form_.cancel.place));

    // Grown captions push the controls below them down, bottom-most first so that a move
    // never carries a control past another label still to be grown.
    int dialogGrowth = 0;
    std::vector<QLabel*> labels = labels_;
    labels.push_back(note_);
    std::sort(labels.begin(), labels.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() > b->y(); });
    for (QLabel* l : labels) {
        const int bottom = l->y() + l->height();
        const int by = grow(l);
        if (by == 0) continue;
        QWidget* parent = l->parentWidget();
        pushDown(parent, bottom, by, l);
        if (parent == frame_) {
            frame_->resize(frame_->width(), frame_->height() + by);
            pushDown(this, frame_->y() + frame_->height() - by, by, frame_);
        }
        dialogGrowth += by;
    }
    setFixedSize(width, Tw(form_.client.height()) + dialogGrowth);
}

void CustomScoringDialog::Form_Load() {
    const QString& title = Shared().GameTitle;
    setWindowTitle(title + QStringLiteral(" User Options"));
    frame_->setTitle(title + QStringLiteral(" Scoring Options"));
    note_->setText(form_.note);
    for (size_t i = 0; i < form_.boxes.size(); ++i) {
        const ScoringBox& r = form_.boxes[i];
        boxes_[i]->setText(BoxText(form_.settings->value(r.key) / r.scale));
    }
    for (size_t i = 0; i < form_.switches.size(); ++i)
        checks_[i]->setChecked(form_.settings->value(form_.switches[i].key) != 0);
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
}

bool CustomScoringDialog::runCheck(const ScoringCheck& c) {
    const ScoringBox& row = boxRow(c.box);
    QLineEdit* b = box(QLatin1String(c.box));
    const double v = ReadBoxNumber(b->text());
    if (c.above) {
        const double other = ReadBoxNumber(box(QLatin1String(c.above))->text());
        if (v <= other) {
            fail(b, c.orderMessage, BoxText(other + 1));
            return false;
        }
    }
    if (c.below) {
        const double other = ReadBoxNumber(box(QLatin1String(c.below))->text());
        if (v >= other) {
            fail(b, c.orderMessage, BoxText(other - 1));
            return false;
        }
    }
    const bool low = c.lowExclusive ? v <= c.low : v < c.low;
    if (low || v > c.high) {
        const double bound = low ? c.low : c.high;
        const QString& text = low ? c.lowText : c.highText;
        if (c.storeBound) store(row.key, bound, row.scale);
        fail(b, low ? c.lowMessage : c.highMessage, text.isEmpty() ? BoxText(bound) : text);
        return false;
    }
    store(row.key, v, row.scale);
    if (c.thenSwitches) storeSwitches();
    if (c.thenFollowUp && form_.followUp) form_.followUp();
    return true;
}

void CustomScoringDialog::cmdOK_Click() {
    std::map<QString, int32_t> before;
    for (const auto& [higher, lower] : form_.orderedPairs) {
        before[higher] = form_.settings->value(higher);
        before[lower] = form_.settings->value(lower);
    }
    bool allValid = true;
    for (const ScoringCheck& c : form_.checks)
        allValid = runCheck(c) && allValid;
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

void CustomScoringDialog::cmdDefault_Click() {
    for (size_t i = 0; i < form_.boxes.size(); ++i) {
        const ScoringBox& r = form_.boxes[i];
        boxes_[i]->setText(BoxText(form_.settings->defaultOf(r.key) / r.scale));
    }
    for (size_t i = 0; i < form_.switches.size(); ++i)
        checks_[i]->setChecked(form_.settings->defaultOf(form_.switches[i].key) != 0);
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
