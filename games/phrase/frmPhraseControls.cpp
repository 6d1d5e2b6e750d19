// The phrase window's controls as designed: the board and its cells, the letter buttons, the
// letter bar, the faces and their pictures, the letter value, Solve It, the score and round
// boxes, the message labels, the splash texts, and the Solve It and topic menu entries.
#include "games/phrase/frmPhrase.h"

#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/VbColour.h"
#include "games/phrase/PhraseSettings.h"
#include "platform/Faces.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The topic items in menu order, with the topic each one selects.
struct TopicItem {
    const char* name;
    const char* caption;
    int topic;
};
constexpr TopicItem kTopicItems[] = {
    {"mnuPhrases", "F&amous Phrases", 3}, {"mnuMisc", "Mis&cellaneous", 5},
    {"mnuMusicTopic", "M&usic", 6},       {"mnuPeople", "&People / Names", 2},
    {"mnuPlaces", "P&laces", 7},          {"mnuRandom", "&Random", 0},
    {"mnuSports", "&Sports", 4},          {"mnuMovies", "TV / &Movies", 1},
};

void styleFont(QWidget* w, double points, bool bold, const QString& family = kDesignSans) {
    QFont f = w->font();
    f.setFamily(platform::Face(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

frmPhrase::frmPhrase(QWidget* parent) : GameWindow(*FindGameByWindow("frmPhrase"), parent) {
    setMinimumSize(Tw(kPhraseDesignWidth), Tw(kPhraseDesignHeight));
    createControls();
    registerCaptionRules();
    BuildMenus();
    Form_Load();
}

frmPhrase::~frmPhrase() = default;

QLabel* frmPhrase::makeOwnLabel(const QString& name, const QString& caption, double points,
                                bool bold) {
    QLabel* l = label(name);
    if (!l) {
        l = new QLabel(centralWidget());
        l->setObjectName(name);
    }
    l->setText(caption);
    styleFont(l, points, bold);
    l->adjustSize();
    return l;
}

void frmPhrase::createGauge(const QString& name, int width, int height) {
    MakeGaugeRectangle(name + "Rectangle", centralWidget())->resize(Tw(width), Tw(height));
    MakeBevelLine(name + "BevelSide", centralWidget());
    MakeBevelLine(name + "BevelBottom", centralWidget());
}

void frmPhrase::buildFacePictures() {
    // 1 happy, 2 blank, 3 unhappy, 4 a cross face: the two pictures a wrong guess may show.
    const int size = Tw(375);
    for (int n = 0; n < 4; ++n) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF face(1.5, 1.5, size - 3, size - 3);
        if (n == 1) {
            p.setPen(QPen(QColor(128, 128, 128), 1.2, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(face);
            facePictures_[size_t(n)] = pm;
            continue;
        }
        const QColor fill = n == 0   ? QColor(255, 214, 0)
                            : n == 2 ? QColor(120, 170, 255)
                                     : QColor(235, 80, 70);
        QRadialGradient g(face.center() - QPointF(size * 0.15, size * 0.15), size * 0.7);
        g.setColorAt(0, fill.lighter(150));
        g.setColorAt(1, fill);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(g);
        p.drawEllipse(face);
        p.setBrush(Qt::black);
        const double eyeY = size * 0.38;
        if (n == 3) {
            p.setPen(QPen(Qt::black, 1.6));
            for (double x : {size * 0.35, size * 0.65}) {
                p.drawLine(QPointF(x - 2.5, eyeY - 2.5), QPointF(x + 2.5, eyeY + 2.5));
                p.drawLine(QPointF(x - 2.5, eyeY + 2.5), QPointF(x + 2.5, eyeY - 2.5));
            }
        } else {
            p.drawEllipse(QPointF(size * 0.35, eyeY), 1.8, 2.4);
            p.drawEllipse(QPointF(size * 0.65, eyeY), 1.8, 2.4);
        }
        p.setPen(QPen(Qt::black, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const QRectF mouth(size * 0.28, size * (n == 0 ? 0.42 : 0.62), size * 0.44, size * 0.3);
        if (n == 0)
            p.drawArc(mouth, 200 * 16, 140 * 16); // a smile
        else
            p.drawArc(mouth, 20 * 16, 140 * 16); // a frown
        facePictures_[size_t(n)] = pm;
    }
}

QPixmap frmPhrase::FacePicture(int number) const {
    return number >= 1 && number <= 4 ? facePictures_[size_t(number - 1)] : QPixmap();
}

void frmPhrase::SetBadGuessPicture(int index) {
    unhappyPicture_ = index == 1 ? 4 : 3;
    showFaces();
}

void frmPhrase::createControls() {
    QWidget* area = centralWidget();
    area->setAutoFillBackground(true);
    QPalette back = area->palette();
    back.setColor(QPalette::Window, VbColour(0xC0C0C0));
    area->setPalette(back);
    buildFacePictures();

    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    findChild<QFrame*>("TimerRectangle")->resize(Tw(1365), Tw(1230));
    Surface()->resize(Tw(1155), Tw(1140));
    createGauge("Score", 1065, 510);
    createGauge("Round", 1065, 510);

    // The board: 6 rows of 15 cells in the "Current Phrase" frame.
    board_ = new QGroupBox("Current Phrase", area);
    board_->setObjectName("fmPhrase");
    board_->resize(Tw(7455), Tw(3975));
    styleFont(board_, 8.25, true);
    for (int k = 0; k < kBoardCells; ++k) {
        auto* cell = new QLabel(board_);
        cell->setObjectName(QString("lblLetter_%1").arg(k));
        cell->setGeometry(
            TwRect(240 + 480 * (k % kBoardColumns), 360 + 600 * (k / kBoardColumns), 360, 300));
        cell->setAlignment(Qt::AlignCenter);
        cell->setAutoFillBackground(true);
        styleFont(cell, 12, true, QStringLiteral("Arial"));
        cell->hide();
        cells_[size_t(k)] = cell;
    }

    for (int i = 0; i < kLetterCount; ++i) {
        auto* b = new QPushButton(QString(QChar('A' + i)), area);
        b->setObjectName(QString("cmdLetter_%1").arg(i));
        b->resize(Tw(375), Tw(375));
        b->setFocusPolicy(Qt::NoFocus);
        styleFont(b, 9.75, true);
        connect(b, &QPushButton::clicked, this, [this, i] { cmdLetter_Click(i); });
        b->hide();
        letters_[size_t(i)] = b;
    }

    bar_ = new QProgressBar(area);
    bar_->setObjectName("ProgressBar1");
    bar_->setRange(0, kBarMaximum);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->resize(Tw(2295), Tw(150));
    bar_->hide();

    guessFrame_ = new QGroupBox("Guesses Remaining", area);
    guessFrame_->setObjectName("frmGuess");
    guessFrame_->resize(Tw(4095), Tw(615));
    styleFont(guessFrame_, 8.25, true);
    for (int i = 0; i < kMaxFaces; ++i) {
        auto* face = new QLabel(guessFrame_);
        face->setObjectName(QString("Guess_%1").arg(i));
        face->setGeometry(TwRect(240 + 480 * i, 240, 375, 375));
        faces_[size_t(i)] = face;
    }
    guessFrame_->hide();

    letterValue_ = new QLineEdit(area);
    letterValue_->setObjectName("txtLetterValue");
    letterValue_->setReadOnly(true);
    letterValue_->setFocusPolicy(Qt::NoFocus);
    letterValue_->setAlignment(Qt::AlignCenter);
    letterValue_->resize(Tw(975), Tw(320));
    styleFont(letterValue_, 9.75, true);
    letterValue_->hide();
    QLabel* valueCaption = makeOwnLabel("lblLetterValue", "Next Letter is worth:", 8.25, true);
    valueCaption->setWordWrap(true);
    valueCaption->resize(Tw(810), Tw(675));
    valueCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueCaption->hide();

    QLabel* high = makeOwnLabel("lblHighScore", "Current High Score:", 8.25, true);
    SetForeColour(high, kVbBlue);
    high->hide();
    for (const auto& [name, caption] :
         {std::pair{"lblTime", "Time:"}, std::pair{"lblScore", "Score:"},
          std::pair{"lblRound", "Round:"}})
        makeOwnLabel(name, caption, 8.25, true)->hide();
    for (const char* name : {"lblCurrentScore", "lblCurrentRound"}) {
        QLabel* l = makeOwnLabel(name, "0", 9.75, true);
        SetForeColour(l, kVbBlue);
        l->hide();
    }
    label("lblCurrentScore")->setToolTip("Displays your Current Score");
    QLabel* message = makeOwnLabel("lblMessage", "Message", 20.25, true);
    styleFont(message, 20.25, true, QStringLiteral("Arial"));
    message->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); // a prompt of two lines
    SetForeColour(message, kVbRed);
    message->hide();
    QLabel* scoring = makeOwnLabel("lblScoring", "Scoring", 20.25, true);
    styleFont(scoring, 20.25, true, QStringLiteral("Arial"));
    SetForeColour(scoring, kVbRed);
    scoring->hide();

    // Commands: the frame's three and Solve It, all of the design size.
    solve_ = new QPushButton("Solve &It!", area);
    solve_->setObjectName("cmdSolve");
    solve_->setToolTip("Solve  the current puzzle");
    solve_->setEnabled(false);
    connect(solve_, &QPushButton::clicked, this, &frmPhrase::cmdSolve_Click);
    for (QPushButton* b : {cmdPlay(), solve_, cmdPause(), quitButton()})
        b->resize(Tw(1065), Tw(405));
    dummy_ = new QPushButton(area);
    dummy_->setObjectName("DummyCommand");
    dummy_->resize(Tw(300), Tw(300));

    timer5_ = new platform::GameTimer(this, 90, false);
    timer5_->setObjectName("Timer5");
    timer5_->onTimer = [this] { Timer5_Timer(); };

    // The splash panel and its texts; it covers the idle board.
    QFrame* splash = frmSplash();
    splash->resize(Tw(7155), Tw(4050));
    splash->setAutoFillBackground(true);
    splashTexts_ = AddSplashTexts(splash);

    for (const char* name : {"lblCurrentScore", "lblCurrentRound", "lblTime"})
        label(name)->raise();
    splash->raise();
    message->raise();
    scoring->raise();
}

void frmPhrase::AddOwnMenuEntry(const QString& token, QMenu* menu) {
    if (token == "solve") {
        QAction* a = menu->addAction("Solve &It");
        a->setObjectName("mnuSolve");
        a->setShortcut(QKeySequence("Ctrl+I"));
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, &frmPhrase::cmdSolve_Click);
    } else if (token == "topic") {
        topicMenu_ = menu->addMenu("T&opic Selection");
        topicMenu_->setObjectName("mnuTopic");
        topicMenu_->menuAction()->setObjectName("mnuTopic");
        for (const TopicItem& t : kTopicItems) {
            QAction* a = topicMenu_->addAction(t.caption);
            a->setObjectName(t.name);
            a->setCheckable(true);
            a->setChecked(t.topic == 0);
            const int topic = t.topic;
            connect(a, &QAction::triggered, this, [this, topic] { TopicItem_Click(topic); });
            topicItems_[size_t(topic)] = a;
        }
    }
}
