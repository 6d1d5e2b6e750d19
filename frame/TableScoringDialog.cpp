#include "frame/TableScoringDialog.h"

#include "platform/CentreOnScreen.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {
// Design places, twips: rows stack 420 apart inside the frame, switches below it.
constexpr int kMargin = 120;
constexpr int kFrameTop = 960;
constexpr int kFirstRow = 300;
constexpr int kRowStep = 420;
} // namespace

std::optional<double> ScoringBoxNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0.0;
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:(?:\\d{1,3}(?:,\\d{3})+|\\d+)(?:\\.\\d*)?|\\.\\d+)$"));
    if (!number.match(t).hasMatch()) return std::nullopt;
    QString plain = t;
    plain.remove(',');
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

int32_t ScoringWhole(double value) {
    const double r = std::nearbyint(value); // ties to even
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    return r <= lo   ? std::numeric_limits<int32_t>::min()
           : r >= hi ? std::numeric_limits<int32_t>::max()
                     : int32_t(r);
}

TableScoringDialog::TableScoringDialog(ScoringTable table, QWidget* parent)
    : QDialog(parent), table_(std::move(table)) {
    setObjectName(QLatin1String(table_.dialogName));
    buildControls();
    Form_Load();
}

void TableScoringDialog::buildControls() {
    note_ = new QLabel(this);
    note_->setObjectName(QLatin1String(table_.noteName));
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: #0000ff;"));
    frame_ = new QGroupBox(this);
    frame_->setObjectName(QStringLiteral("frmScoringOptions"));
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (const ScoringRow& r : table_.rows) {
        auto* l = new QLabel(r.caption, frame_);
        l->setObjectName(QLatin1String(r.label));
        l->setWordWrap(true);
        labels_.push_back(l);
        auto* b = new QLineEdit(frame_);
        b->setObjectName(QLatin1String(r.box));
        b->installEventFilter(this);
        boxes_.push_back(b);
        chain(b);
    }
    for (const ScoringSwitch& sw : table_.switches) {
        auto* c = new QCheckBox(sw.caption, this);
        c->setObjectName(QLatin1String(sw.name));
        c->setStyleSheet(QStringLiteral("color: #0000ff; font-weight: bold;"));
        const QString name = QLatin1String(sw.name);
        connect(c, &QCheckBox::toggled, this, [this, name](bool on) {
            if (table_.switchClicked) table_.switchClicked(*this, name, on);
        });
        checks_.push_back(c);
        chain(c);
    }
    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    default_ = new QPushButton(QStringLiteral("&Default"), this);
    default_->setObjectName(QStringLiteral("cmdDefault"));
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* b : {ok_, default_, cancel_})
        chain(b);
    connect(ok_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(default_, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

namespace {
QString WrappedCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    QStringList lines;
    QString line;
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}
} // namespace

void TableScoringDialog::layoutControls() {
    const int rows = int(table_.rows.size());
    note_->setGeometry(TwRect(kMargin, kMargin, table_.frameWidth, 735));
    const int frameHeight = kFirstRow + kRowStep * rows;
    frame_->setGeometry(TwRect(kMargin, kFrameTop, table_.frameWidth, frameHeight));
    for (int i = 0; i < rows; ++i) {
        const ScoringRow& r = table_.rows[size_t(i)];
        const int top = kFirstRow + kRowStep * i;
        labels_[size_t(i)]->setGeometry(
            r.labelPlace.isEmpty() ? TwRect(kMargin, top - 60, table_.frameWidth - 2100, 405)
                                   : TwRect(r.labelPlace.x(), r.labelPlace.y(),
                                            r.labelPlace.width(), r.labelPlace.height()));
        boxes_[size_t(i)]->setGeometry(
            r.boxPlace.isEmpty()
                ? TwRect(table_.frameWidth - 1890, top, 1755, 285)
                : TwRect(r.boxPlace.x(), r.boxPlace.y(), r.boxPlace.width(), r.boxPlace.height()));
    }
    // A check box caption cannot wrap by itself: it is broken into lines that fit the frame's
    // width, so a long caption does not stretch the dialog.
    int width = Tw(table_.frameWidth);
    int top = Tw(kFrameTop + frameHeight + kMargin);
    for (size_t i = 0; i < checks_.size(); ++i) {
        QCheckBox* c = checks_[i];
        QFont bold = c->font(); // the style sheet's bold applies only once the box is shown
        bold.setBold(true);
        c->setText(WrappedCaption(table_.switches[i].caption, QFontMetrics(bold),
                                  width - Tw(2 * kMargin) - Tw(300)));
        width = std::max(width, c->sizeHint().width());
        c->setGeometry(Tw(kMargin), top, std::max(c->sizeHint().width(), Tw(table_.frameWidth)),
                       c->sizeHint().height());
        top += c->sizeHint().height() + Tw(60);
    }
    const int buttonsTop = top + Tw(180);
    const int client = width + Tw(2 * kMargin);
    ok_->setGeometry(client / 2 - Tw(2055), buttonsTop, Tw(1215), Tw(375));
    default_->setGeometry(client / 2 - Tw(607), buttonsTop, Tw(1215), Tw(375));
    cancel_->setGeometry(client / 2 + Tw(840), buttonsTop, Tw(1215), Tw(375));
    setFixedSize(client, buttonsTop + Tw(375) + Tw(240));
}

void TableScoringDialog::Form_Load() {
    const QString& title = Shared().GameTitle;
    setWindowTitle(title + QStringLiteral(" User Options"));
    frame_->setTitle(title + QStringLiteral(" Scoring Options"));
    note_->setText(table_.note);
    for (size_t i = 0; i < table_.rows.size(); ++i)
        if (table_.rows[i].value) boxes_[i]->setText(QString::number(table_.rows[i].value()));
    for (size_t i = 0; i < table_.switches.size(); ++i) {
        // Setting a switch here is not the player's click.
        const QSignalBlocker block(checks_[i]);
        checks_[i]->setChecked(table_.switches[i].value && table_.switches[i].value());
    }
    if (table_.loaded) table_.loaded(*this);
    layoutControls();
    CentreOnScreen(this);
}

QLineEdit* TableScoringDialog::box(const QString& name) const {
    for (QLineEdit* b : boxes_)
        if (b->objectName() == name) return b;
    return nullptr;
}

QLabel* TableScoringDialog::rowLabel(const QString& name) const {
    for (QLabel* l : labels_)
        if (l->objectName() == name) return l;
    return nullptr;
}

QCheckBox* TableScoringDialog::switchBox(const QString& name) const {
    for (QCheckBox* c : checks_)
        if (c->objectName() == name) return c;
    return nullptr;
}

void TableScoringDialog::fail(QLineEdit* b, const QString& message) {
    platform::MsgBox(message, platform::Buttons::OK, table_.messageIcon, Shared().GameTitle, this);
    b->setFocus();
    b->selectAll();
}

void TableScoringDialog::storeSwitches() {
    for (size_t i = 0; i < table_.switches.size(); ++i)
        if (table_.switches[i].store) table_.switches[i].store(checks_[i]->isChecked());
}

bool TableScoringDialog::checkAllBeforeStoring() {
    std::vector<int32_t> values(table_.rows.size());
    for (size_t i = 0; i < table_.rows.size(); ++i) {
        const ScoringRow& r = table_.rows[i];
        if (!boxes_[i]->isEnabled()) continue;
        const auto v = ScoringBoxNumber(boxes_[i]->text());
        if (!v || *v < r.low || *v > r.high) {
            fail(boxes_[i], r.message);
            return false;
        }
        values[i] = ScoringWhole(*v);
    }
    // Switches first: a row may store by the mode a switch chose.
    storeSwitches();
    for (size_t i = 0; i < table_.rows.size(); ++i)
        if (boxes_[i]->isEnabled() && table_.rows[i].store) table_.rows[i].store(values[i]);
    return true;
}

bool TableScoringDialog::checkStoringEach() {
    QLineEdit* lastFailed = nullptr;
    QString lastMessage;
    bool lastRowPassed = false;
    for (size_t i = 0; i < table_.rows.size(); ++i) {
        const ScoringRow& r = table_.rows[i];
        QLineEdit* b = boxes_[i];
        lastRowPassed = false;
        if (!b->isEnabled()) {
            lastRowPassed = true;
            continue;
        }
        const auto v = ScoringBoxNumber(b->text());
        if (!v) {
            fail(b, r.message);
            lastFailed = b;
            continue;
        }
        if (*v < r.low || *v > r.high) {
            const bool low = *v < r.low;
            const int32_t limit = low ? r.low : r.high;
            const QString side = low ? r.lowMessage : r.highMessage;
            if (r.store) r.store(limit);
            b->setText(QString::number(limit));
            fail(b, side.isEmpty() ? r.message : side);
            lastFailed = b;
            continue;
        }
        if (r.store) r.store(ScoringWhole(*v));
        lastRowPassed = true;
    }
    if (lastRowPassed) storeSwitches();
    if (lastFailed) {
        lastFailed->setFocus();
        lastFailed->selectAll();
    }
    return lastFailed == nullptr;
}

void TableScoringDialog::cmdOK_Click() {
    const bool passed =
        table_.order == CheckOrder::AllBeforeStoring ? checkAllBeforeStoring() : checkStoringEach();
    if (table_.recompute) table_.recompute();
    if (!passed) return;
    if (table_.accepted) table_.accepted();
    accept();
}

void TableScoringDialog::cmdDefault_Click() {
    for (size_t i = 0; i < table_.rows.size(); ++i)
        boxes_[i]->setText(QString::number(table_.rows[i].defaultValue));
    for (size_t i = 0; i < table_.switches.size(); ++i) {
        const bool on = table_.switches[i].defaultValue;
        // The switch's own reaction runs even when it already shows its default.
        if (checks_[i]->isChecked() == on && table_.switchClicked)
            table_.switchClicked(*this, checks_[i]->objectName(), on);
        checks_[i]->setChecked(on);
    }
    if (table_.recompute) table_.recompute();
}

void TableScoringDialog::cmdCancel_Click() {
    reject();
}

bool TableScoringDialog::eventFilter(QObject* watched, QEvent* event) {
    // A box that gets the focus has its whole text selected.
    if (event->type() == QEvent::FocusIn)
        if (auto* b = qobject_cast<QLineEdit*>(watched)) b->selectAll();
    return QDialog::eventFilter(watched, event);
}
