#include "frame/CustomScoringDialog.h"

#include "frame/GameWindow.h"
#include "platform/CentreOnScreen.h"
#include "platform/Modal.h"
#include "services/SharedState.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <algorithm>

namespace {
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
} // namespace

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
