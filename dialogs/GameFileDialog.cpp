#include "dialogs/GameFileDialog.h"
#include "platform/CentreOnScreen.h"

#include "dialogs/GameFileLists.h"
#include "platform/Twips.h"
#include "services/SavedGame.h"
#include "services/SharedState.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
QLabel* label(const QString& name, const QString& text, const QRect& rect, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText); // shows folder and player names
    l->setGeometry(rect);
    return l;
}
} // namespace

GameFileDialog::GameFileDialog(const QString& infoName, const QString& nameCaption,
                               bool withPlayerName, QWidget* parent)
    : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Tw(6840), Tw(withPlayerName ? 4890 : 4440));

    lblInfo_ = label(infoName, QString(), TwRect(120, 120, 6600, 855), this);
    lblInfo_->setWordWrap(true);
    lblInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    label(QStringLiteral("lblGameName"), nameCaption, TwRect(120, 1080, 2895, 255), this);
    txtGameName_ = new QLineEdit(kSavedGamePattern, this);
    txtGameName_->setObjectName(QStringLiteral("txtGameName"));
    txtGameName_->setGeometry(TwRect(120, 1335, 2895, 315));
    txtGameName_->installEventFilter(this);

    label(QStringLiteral("lblFiles"), QStringLiteral("Files:"), TwRect(120, 1740, 2895, 255), this);
    File1_ = new FileList(this);
    File1_->setObjectName(QStringLiteral("File1"));
    File1_->setGeometry(TwRect(120, 1995, 2895, 2250));
    File1_->setPattern(kSavedGamePattern);

    label(QStringLiteral("lblDirectory"), QStringLiteral("Directory:"),
          TwRect(3135, 1080, 2295, 255), this);
    Dir1_ = new DirList(this);
    Dir1_->setObjectName(QStringLiteral("Dir1"));
    Dir1_->setGeometry(TwRect(3135, 1335, 2295, 2175));

    label(QStringLiteral("lblDrive"), QStringLiteral("Drive:"), TwRect(3135, 3630, 2295, 255),
          this);
    Drive1_ = new DriveList(this);
    Drive1_->setObjectName(QStringLiteral("Drive1"));
    Drive1_->setGeometry(TwRect(3135, 3885, 2295, 315));

    // No default button: Enter in the name box filters the file list instead of confirming.
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(TwRect(5580, 1335, 1140, 375));
    cmdOK_->setAutoDefault(false);
    cmdCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel_->setGeometry(TwRect(5580, 1815, 1140, 375));
    cmdCancel_->setAutoDefault(false);

    if (withPlayerName) {
        label(QStringLiteral("lblUserName"), QStringLiteral("Player name:"),
              TwRect(120, 4440, 1335, 255), this);
        txtUserName_ = new QLineEdit(this);
        txtUserName_->setObjectName(QStringLiteral("txtUserName"));
        txtUserName_->setGeometry(TwRect(1455, 4395, 3975, 315));
    }

    connect(Drive1_, &QComboBox::currentIndexChanged, this, [this] { Drive1_Change(); });
    connect(Dir1_, &DirList::pathChanged, this, [this] { Dir1_Change(); });
    connect(File1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) File1_Click();
    });
    connect(File1_, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel_, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void GameFileDialog::Form_Load(const QString& infoText) {
    CentreOnScreen(this);
    lblInfo_->setText(infoText);
    const QString folder = Shared().ProgramFolder;
    Drive1_->setDriveOf(folder);
    Dir1_->setPath(folder);
    if (File1_->path().isEmpty()) Dir1_Change();
    if (txtUserName_) txtUserName_->setText(Shared().UserName);
}

void GameFileDialog::Drive1_Change() {
    Dir1_->setPath(Drive1_->drive());
}

void GameFileDialog::Dir1_Change() {
    File1_->setPath(Dir1_->path());
}

void GameFileDialog::File1_Click() {
    if (const QListWidgetItem* item = File1_->currentItem()) txtGameName_->setText(item->text());
}

void GameFileDialog::File1_DblClick() {
    File1_Click();
    cmdOK_Click();
}

void GameFileDialog::txtGameName_GotFocus() {
    txtGameName_->selectAll();
    // A mouse click that gave the focus would clear the selection again right after.
    QTimer::singleShot(0, txtGameName_, &QLineEdit::selectAll);
}

void GameFileDialog::txtGameName_KeyPress(int keyAscii) {
    if (keyAscii == 13) File1_->setPattern(txtGameName_->text());
}

void GameFileDialog::cmdCancel_Click() {
    reject();
}

QString GameFileDialog::chosenFolder() const {
    QString folder = File1_->path();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

QString GameFileDialog::chosenName() {
    QString name = txtGameName_->text();
    if (!name.contains(QLatin1Char('.'))) {
        name += kSavedGameExtension;
        txtGameName_->setText(name);
    }
    return name;
}

bool GameFileDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtGameName_) {
        if (event->type() == QEvent::FocusIn) {
            txtGameName_GotFocus();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                txtGameName_KeyPress(13);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
