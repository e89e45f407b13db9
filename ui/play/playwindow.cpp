#include "ui/play/playwindow.h"

#include "judge/codes.h"
#include "play/newmachine.h"
#include "ui/common/looks.h"
#include "ui/common/texts.h"
#include "ui/pictures/reelarea.h"
#include "ui/play/playbutton.h"
#include "ui/play/playdialogs.h"
#include "ui/play/playtexts.h"
#include "ui/play/reelview.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QScreen>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr TextFont kTextFont { 10.5, false };
constexpr TextFont kLampFont { 11.25, true };
constexpr TextFont kButtonFont { 12, true };
constexpr TextFont kDisplayFont { 14.25, true };
constexpr TextFont kCheerFont { 18, true };
constexpr TextFont kJudgementFont { 12, true };

// The machine panel is laid out in the main window's pixels: the pay-line
// lamps and the reel area where the main window has them, the lever where
// its start is and each stop under its reel.
constexpr int kPanelWidth = 449;
constexpr std::array<int, 5> kLampTops { 48, 104, 160, 216, 272 };
constexpr QRect kLampRect { 8, 0, 73, 25 };
constexpr std::array<int, 3> kStopLefts { 120, 232, 344 };
constexpr int kButtonTop = 320;
constexpr int kButtonHeight = 33;

const QColor kLampOff(72, 72, 24), kLampOn(255, 255, 64);
const QColor kStopLit(255, 128, 128), kLeverLit(255, 128, 255), kBetLit(255, 208, 96);
const QColor kCallLit(128, 208, 255);

QString stopName(int reel)
{
    static const std::array<QString, 3> names { QStringLiteral("左停止"), QStringLiteral("中停止"),
        QStringLiteral("右停止") };
    return names.at(std::size_t(reel));
}

PlayButton *playButton(const QString &text, const QString &name, const QString &keys,
    const QColor &lit, QWidget *parent)
{
    auto *button = new PlayButton(text, parent);
    button->setAccessibleName(name);
    button->setToolTip(QStringLiteral("%1（%2）").arg(name, keys));
    button->setFont(gothicFont(kButtonFont));
    QPalette palette = button->palette();
    for (const auto group : { QPalette::Active, QPalette::Inactive })
        palette.setColor(group, QPalette::Button, lit);
    button->setPalette(palette);
    return button;
}

void setTextIfChanged(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

PlayTiming systemPlayTiming()
{
    PlayTiming timing;
    timing.clock = std::make_shared<play::SteadyClock>();
    timing.seeds = [] { return QRandomGenerator::system()->generate64(); };
    return timing;
}

PlayWindow::PlayWindow(const StripPictures &pictures, const QString &dataFolder, QWidget *parent)
    : PlayWindow(pictures, dataFolder, systemPlayTiming(), parent)
{ }

PlayWindow::PlayWindow(
    const StripPictures &pictures, const QString &dataFolder, PlayTiming timing, QWidget *parent)
    : QMainWindow(parent)
    , m_timing(std::move(timing))
    , m_settings(loadPlaySettings())
    , m_store(std::make_unique<play::SessionStore>(dataFolder))
{
    setWindowTitle(QStringLiteral("実戦"));
    setFont(gothicFont(kTextFont));
    // The window itself takes the keys: none of its controls takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    machine::ReelControl::instance(); // its tables, before the first stop waits for them

    play::SavedSession sitting;
    if (const auto &loaded = m_store->loaded()) {
        sitting = *loaded;
    } else {
        const play::NewMachine made = play::newMachine(
            { m_settings.setting ? std::optional<int>(m_settings.setting) : std::nullopt,
                std::nullopt },
            m_timing.seeds());
        sitting.machine = machine::newState(made.setting, made.seed);
        sitting.settingShown = made.settingShown;
        sitting.seed = made.seed;
    }
    m_settingShown = sitting.settingShown;
    m_seed = sitting.seed;

    buildMenu();
    auto *central = new QWidget;
    central->setFocusPolicy(Qt::NoFocus);
    auto *top = new QHBoxLayout;
    top->addWidget(buildMachinePanel(pictures), 0, Qt::AlignTop);
    top->addWidget(buildDisplays(), 0, Qt::AlignTop);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    QPalette warning = m_message->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_message->setPalette(warning);
    m_message->hide();
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(m_message);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setCentralWidget(central);

    m_session = std::make_unique<play::Session>(static_cast<play::SessionView &>(*this),
        machine::Machine(sitting.machine), m_settings.options(), sitting.cells, sitting.calls);
    m_frames.setSingleShot(true);
    m_frames.setTimerType(Qt::PreciseTimer);
    connect(&m_frames, &QTimer::timeout, this, &PlayWindow::frame);

    showStoreStatus();
    // A save that fails is said when it fails, not at the next game.
    connect(&m_store->file(), &safefile::Store::saved, this, &PlayWindow::showStoreStatus);
    refresh();
    setFocus();
}

PlayWindow::~PlayWindow()
{
    m_frames.stop();
    m_store->flush();
}

void PlayWindow::buildMenu()
{
    QMenu *menu = menuBar()->addMenu(QStringLiteral("実戦(&J)"));
    m_newMachine
        = menu->addAction(QStringLiteral("新しい台(&N)…"), this, &PlayWindow::openNewMachine);
    m_newMachine->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_reveal = menu->addAction(QStringLiteral("設定を見る(&V)"), this, &PlayWindow::revealSetting);
    menu->addAction(QStringLiteral("実戦の設定(&S)…"), this, &PlayWindow::openSettings);
    menu->addSeparator();
    menu->addAction(QStringLiteral("閉じる(&C)"), this, &QWidget::close);
}

QWidget *PlayWindow::buildMachinePanel(const StripPictures &pictures)
{
    auto *panel = new QWidget;
    m_panel = panel;
    const QRect area = reelarea::inMainWindow();

    m_order = new QLabel(QStringLiteral("順押し：左 → 中 → 右 の順に止めます"), panel);
    m_order->setGeometry(area.left(), 0, area.width(), area.top());
    m_order->setAlignment(Qt::AlignCenter);
    m_order->setFont(gothicFont(kTextFont));

    static const std::array<QString, 5> lampTexts { QStringLiteral("３MEDAL"),
        QStringLiteral("２MEDAL"), QStringLiteral("１MEDAL"), QStringLiteral("２MEDAL"),
        QStringLiteral("３MEDAL") };
    for (std::size_t i = 0; i < m_lamps.size(); ++i) {
        auto *lamp = new QLabel(lampTexts[i], panel);
        lamp->setGeometry(kLampRect.translated(0, kLampTops[i]));
        lamp->setAlignment(Qt::AlignCenter);
        lamp->setFont(gothicFont(kLampFont));
        lamp->setAutoFillBackground(true);
        m_lamps[i] = lamp;
    }

    m_reels = new ReelView(pictures, panel);
    m_reels->move(area.topLeft());

    m_lever = playButton(QStringLiteral("レバー"), QStringLiteral("レバー"),
        QStringLiteral("↑・Space"), kLeverLit, panel);
    m_lever->setGeometry(kLampRect.left(), kButtonTop, kLampRect.width(), kButtonHeight);
    connect(m_lever, &PlayButton::pushed, this, [this](quint64 stamp) { lever(stamp); });
    static const std::array<QString, 3> stopKeys { QStringLiteral("←・Z"), QStringLiteral("↓・X"),
        QStringLiteral("→・C") };
    for (int r = 0; r < 3; ++r) {
        auto *button = playButton(
            QStringLiteral("停止"), stopName(r), stopKeys[std::size_t(r)], kStopLit, panel);
        button->setGeometry(kStopLefts[std::size_t(r)], kButtonTop, 65, kButtonHeight);
        connect(button, &PlayButton::pushed, this, [this, r](quint64 stamp) { stop(r, stamp); });
        m_stops[std::size_t(r)] = button;
    }
    const int secondRow = kButtonTop + kButtonHeight + 9;
    m_maxBet = playButton(
        QStringLiteral("MAX BET"), QStringLiteral("MAX BET"), QStringLiteral("B"), kBetLit, panel);
    m_maxBet->setGeometry(kLampRect.left(), secondRow, kLampRect.width(), kButtonHeight);
    connect(m_maxBet, &PlayButton::pushed, this, [this] { maxBet(); });
    m_call = playButton(QStringLiteral("ボーナス察知"), QStringLiteral("ボーナス察知"),
        QStringLiteral("Enter"), kCallLit, panel);
    m_call->setGeometry(
        kStopLefts[0], secondRow, kStopLefts[2] + 65 - kStopLefts[0], kButtonHeight);
    connect(m_call, &PlayButton::pushed, this, [this] { call(); });

    const int textTop = secondRow + kButtonHeight + 6;
    m_cheer = new QLabel(panel);
    m_cheer->setObjectName(QStringLiteral("cheer"));
    m_cheer->setGeometry(kLampRect.left(), textTop, kPanelWidth - 16, 30);
    m_cheer->setAlignment(Qt::AlignCenter);
    m_cheer->setFont(gothicFont(kCheerFont));
    QPalette cheer = m_cheer->palette();
    cheer.setColor(QPalette::WindowText, QColor(224, 96, 0));
    m_cheer->setPalette(cheer);
    m_callText = new QLabel(panel);
    m_callText->setObjectName(QStringLiteral("callText"));
    m_callText->setGeometry(kLampRect.left(), textTop + 30, kPanelWidth - 16, 20);
    m_callText->setAlignment(Qt::AlignCenter);
    m_judgement = new QLabel(panel);
    m_judgement->setAccessibleName(QStringLiteral("判定"));
    m_judgement->setGeometry(kLampRect.left(), textTop + 54, kPanelWidth - 16, 66);
    m_judgement->setFont(gothicFont(kJudgementFont));
    m_judgement->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_judgement->setWordWrap(true);
    m_judgement->setAutoFillBackground(true);
    QPalette judgement = m_judgement->palette();
    judgement.setColor(QPalette::Window, systemColour(SystemColour::toolTipBackground));
    judgement.setColor(QPalette::WindowText, systemColour(SystemColour::buttonText));
    m_judgement->setPalette(judgement);
    showJudgementLabel();
    return panel;
}

QLabel *PlayWindow::addDisplay(QGridLayout *grid, int row, const QString &word)
{
    auto *caption = new QLabel(word);
    auto *number = new QLabel(QStringLiteral("0"));
    number->setAccessibleName(word);
    number->setFont(gothicFont(kDisplayFont));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setMinimumWidth(72);
    number->setStyleSheet(
        QStringLiteral("QLabel { background: black; color: rgb(255, 72, 24); padding: 1px 6px; }"));
    grid->addWidget(caption, row, 0);
    grid->addWidget(number, row, 1);
    return number;
}

QWidget *PlayWindow::buildDisplays()
{
    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    m_setting = new QLabel;
    m_setting->setObjectName(QStringLiteral("setting"));
    m_setting->setFont(gothicFont(kButtonFont));
    m_seedLabel = new QLabel;
    m_seedLabel->setObjectName(QStringLiteral("seed"));
    m_seedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_seedLabel->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(m_setting, 0, 0, 1, 2);
    grid->addWidget(m_seedLabel, 1, 0, 1, 2);
    Displays &d = m_displays;
    d.credit = addDisplay(grid, 2, QStringLiteral("クレジット"));
    d.payout = addDisplay(grid, 3, QStringLiteral("払い出し"));
    d.games = addDisplay(grid, 4, QStringLiteral("ゲーム数"));
    d.bigs = addDisplay(grid, 5, QStringLiteral("BIG"));
    d.regs = addDisplay(grid, 6, QStringLiteral("REG"));
    d.difference = addDisplay(grid, 7, QStringLiteral("差枚"));
    d.smallGamesLeft = addDisplay(grid, 8, QStringLiteral("残り小役ゲーム"));
    d.jacLeft = addDisplay(grid, 9, QStringLiteral("残りJAC"));
    d.jacWins = addDisplay(grid, 10, QStringLiteral("JAC入賞"));
    // Shown in a bonus only, their room kept, so the window keeps its size.
    for (int row = 8; row <= 10; ++row)
        for (int column = 0; column < 2; ++column) {
            QWidget *w = grid->itemAtPosition(row, column)->widget();
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
            m_bonusOnly << w;
        }

    m_notice = new QLabel;
    m_notice->setAccessibleName(QStringLiteral("取りこぼし"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setFont(gothicFont(kLampFont));
    m_notice->setFixedHeight(26);
    m_notice->setAutoFillBackground(true);
    grid->addWidget(m_notice, 11, 0, 1, 2);

    auto *calls = new QLabel(QStringLiteral("ボーナス察知"));
    calls->setFont(gothicFont(kButtonFont));
    grid->addWidget(calls, 12, 0, 1, 2);
    d.right = addDisplay(grid, 13, QStringLiteral("正解"));
    d.wrong = addDisplay(grid, 14, QStringLiteral("不正解"));
    d.missed = addDisplay(grid, 15, QStringLiteral("見逃し"));
    grid->setRowStretch(16, 1);
    return panel;
}

play::Input PlayWindow::input(quint64 stamp) const { return { m_timing.clock->now(), stamp }; }

void PlayWindow::maxBet() { m_session->maxBet(); }

void PlayWindow::lever(quint64 stamp)
{
    if (m_session->lever(input(stamp)))
        clearGameTexts();
}

void PlayWindow::stop(int reel, quint64 stamp)
{
    if (m_session->stop(reel, input(stamp)))
        return;
    // A stop out of order: say once more how the reels are stopped.
    if (m_session->turning() && reel != m_session->machine().nextReel())
        m_order->setStyleSheet(
            QStringLiteral("QLabel { color: rgb(192, 0, 0); font-weight: bold; }"));
}

void PlayWindow::call() { m_session->call(); }

void PlayWindow::clearGameTexts()
{
    m_cheer->clear();
    m_callText->clear();
    m_judgement->clear();
    m_order->setStyleSheet(QString());
}

void PlayWindow::keyPressEvent(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    std::function<void()> act;
    const quint64 stamp = event->timestamp();
    switch (event->key()) {
    case Qt::Key_B: act = [this] { maxBet(); }; break;
    case Qt::Key_Up:
    case Qt::Key_Space: act = [this, stamp] { lever(stamp); }; break;
    case Qt::Key_Left:
    case Qt::Key_Z: act = [this, stamp] { stop(0, stamp); }; break;
    case Qt::Key_Down:
    case Qt::Key_X: act = [this, stamp] { stop(1, stamp); }; break;
    case Qt::Key_Right:
    case Qt::Key_C: act = [this, stamp] { stop(2, stamp); }; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: act = [this] { call(); }; break;
    default: QMainWindow::keyPressEvent(event); return;
    }
    // A key acts when it goes down, not again while it is held.
    if (!event->isAutoRepeat())
        act();
    event->accept();
}

void PlayWindow::frame()
{
    const play::Micros now = m_timing.clock->now();
    m_inFrame = true;
    m_session->advance(now);
    showReels(now);
    m_inFrame = false;
    scheduleFrame(now);
}

void PlayWindow::showReels(play::Micros now)
{
    std::array<play::ReelPosition, 3> reels;
    for (int r = 0; r < 3; ++r)
        reels[std::size_t(r)] = m_session->reel(r, now);
    m_reels->show(reels, devicePixelRatioF(), m_session->turning());
}

// Frames at the screen's rate while a reel moves; one wake-up when the reels
// wait for the lever's time; nothing at all while they stand.
void PlayWindow::scheduleFrame(play::Micros now)
{
    const std::optional<play::Micros> wake = m_session->wakeAt();
    if (!wake || !m_timing.frameTimer) {
        m_frames.stop();
        m_pacingOn = false;
        return;
    }
    if (*wake > now) {
        m_pacingOn = false;
        m_frames.start(int((*wake - now + play::kMicrosPerMilli - 1) / play::kMicrosPerMilli));
        return;
    }
    // The first frame comes when the strips have moved a whole device
    // pixel, so the lever shows at once; the others at the rate of the
    // screen the window is on now.
    if (!m_pacingOn)
        if (const QScreen *screen = this->screen())
            m_pacing = play::FramePacing(screen->refreshRate());
    const int wait = m_pacingOn
        ? m_pacing.next(now)
        : m_pacing.start(now, m_session->movesAt(play::unitsPerDevicePixel(devicePixelRatioF())));
    m_pacingOn = true;
    m_frames.start(wait);
}

void PlayWindow::refresh()
{
    updateDisplays();
    if (m_inFrame)
        return;
    const play::Micros now = m_session->now();
    showReels(now);
    if (!m_frames.isActive() || !m_session->wakeAt())
        scheduleFrame(now);
}

void PlayWindow::updateDisplays()
{
    const play::Session &s = *m_session;
    using play::Control;
    m_maxBet->setEnabled(s.isLit(Control::maxBet));
    m_lever->setEnabled(s.isLit(Control::lever));
    for (int r = 0; r < 3; ++r)
        m_stops[std::size_t(r)]->setEnabled(s.isLit(Control(int(Control::stopLeft) + r)));
    m_call->setEnabled(s.isLit(Control::call));
    const bool lit = s.linesLit();
    for (QLabel *lamp : m_lamps) {
        QPalette palette = lamp->palette();
        palette.setColor(QPalette::Window, systemColour(SystemColour::menuText));
        palette.setColor(QPalette::WindowText, lit ? kLampOn : kLampOff);
        lamp->setPalette(palette);
        lamp->setAccessibleDescription(lit ? QStringLiteral("点灯") : QStringLiteral("消灯"));
    }

    const machine::Display &d = s.display();
    const Displays &l = m_displays;
    setTextIfChanged(l.credit, QString::number(d.credit));
    setTextIfChanged(l.payout, QString::number(d.payout));
    setTextIfChanged(l.games, QString::number(d.gamesSinceBonus));
    setTextIfChanged(l.bigs, QString::number(d.bigs));
    setTextIfChanged(l.regs, QString::number(d.regs));
    setTextIfChanged(l.difference, QString::number(d.difference));
    setTextIfChanged(l.smallGamesLeft, QString::number(d.smallGamesLeft));
    setTextIfChanged(l.jacLeft, QString::number(d.jacGamesLeft));
    setTextIfChanged(l.jacWins, QString::number(d.jacWins));
    const bool inBonus = d.bonus != machine::Bonus::none;
    for (QWidget *w : m_bonusOnly)
        w->setVisible(inBonus);
    const bool big = d.bonus == machine::Bonus::big;
    l.smallGamesLeft->setVisible(big);
    m_bonusOnly[0]->setVisible(big);

    // The lamp: its word dim until the machine lights it, for that game.
    const bool notice = s.shownGame() && d.notice;
    setTextIfChanged(
        m_notice, notice ? QStringLiteral("取りこぼし！") : QStringLiteral("取りこぼし"));
    QPalette palette = m_notice->palette();
    palette.setColor(QPalette::Window, notice ? QColor(208, 32, 32) : QColor(64, 32, 32));
    palette.setColor(QPalette::WindowText, notice ? QColor(Qt::white) : QColor(120, 88, 88));
    m_notice->setPalette(palette);
    m_notice->setAccessibleDescription(notice ? QStringLiteral("点灯") : QStringLiteral("消灯"));

    const records::CallFigures &calls = s.calls();
    setTextIfChanged(l.right, QString::number(calls.right));
    setTextIfChanged(l.wrong, QString::number(calls.wrong));
    setTextIfChanged(l.missed, QString::number(calls.missed));
    setTextIfChanged(m_setting, settingText(s.machine().state().setting, m_settingShown));
    setTextIfChanged(m_seedLabel, seedText(m_seed));
    m_newMachine->setEnabled(!s.turning());
    m_reveal->setEnabled(!m_settingShown);
}

void PlayWindow::machineChanged() { saveSitting(); }

void PlayWindow::saveSitting()
{
    play::SavedSession sitting;
    sitting.machine = m_session->machine().state();
    sitting.cells = m_session->cells();
    sitting.settingShown = m_settingShown;
    sitting.seed = m_seed;
    sitting.calls = m_session->calls();
    m_store->save(sitting);
}

// The row goes to the history before the session saves the state after it.
void PlayWindow::gameFinished(const machine::GameResult &game)
{
    const records::GameRow row = records::rowOf(game);
    m_store->addGame(row);
    showStoreStatus();
    emit gameEnded(game);
    emit gameRecorded(row);
}

void PlayWindow::gameShown(const machine::GameResult &game)
{
    const judge::Message message = judge::message(game.code);
    QString text = resultLines(game.code);
    if (!message.tamaya.empty())
        text = fromUtf8(message.tamaya) + u'\n' + text;
    m_judgement->setText(text);
    emit gameInView(game);
    askForRequestedMachine();
}

void PlayWindow::called(play::Call call)
{
    m_cheer->setText(call == play::Call::right ? QString::fromUtf16(kCheer) : QString());
    m_callText->setText(callText(call));
    saveSitting();
    emit callMade(call, m_session->calls());
}

void PlayWindow::applySettings(const PlaySettings &settings)
{
    m_settings = settings;
    savePlaySettings(settings);
    m_session->setOptions(settings.options());
    showJudgementLabel();
    emit settingsApplied();
}

// The panel ends under the judgement when it is shown, else under the texts
// of a call.
void PlayWindow::showJudgementLabel()
{
    m_judgement->setVisible(m_settings.showJudgement);
    const QRect last = m_settings.showJudgement ? m_judgement->geometry() : m_callText->geometry();
    m_panel->setFixedSize(kPanelWidth, last.bottom() + 5);
}

void PlayWindow::openSettings()
{
    auto *dialog = new PlaySettingsDialog(m_settings, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(
        dialog, &QDialog::accepted, this, [this, dialog] { applySettings(dialog->settings()); });
    dialog->open();
}

void PlayWindow::openNewMachine()
{
    if (m_session->turning())
        return;
    auto *dialog = new NewMachineDialog(QStringLiteral("いまの台をやめて、新しい台で始めます。"),
        m_settings.setting, std::nullopt, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        PlaySettings settings = m_settings;
        settings.setting = dialog->setting();
        applySettings(settings);
        newMachine(dialog->setting(), dialog->seed());
    });
    dialog->open();
}

void PlayWindow::revealSetting()
{
    if (m_settingShown)
        return;
    m_settingShown = true;
    saveSitting();
    updateDisplays();
    emit settingRevealed();
}

bool PlayWindow::newMachine(int setting, std::optional<std::uint64_t> seed)
{
    if (m_session->turning())
        return false;
    const play::NewMachine made = play::newMachine(
        { setting >= 1 && setting <= 6 ? std::optional<int>(setting) : std::nullopt, seed },
        m_timing.seeds());
    m_settingShown = made.settingShown;
    m_seed = made.seed;
    clearGameTexts();
    m_store->startHistoryAgain();
    m_session->replaceMachine(machine::Machine(made.setting, made.seed));
    showStoreStatus();
    emit machineReplaced();
    return true;
}

void PlayWindow::requestNewMachine(std::optional<int> setting, std::optional<std::uint64_t> seed)
{
    m_request = Request { setting, seed };
    if (!m_session->turning())
        askForRequestedMachine();
}

void PlayWindow::askForRequestedMachine()
{
    if (!m_request)
        return;
    const Request request = *std::exchange(m_request, std::nullopt);
    const int setting = request.setting.value_or(m_settings.setting);
    const machine::State &state = m_session->machine().state();
    if (state.counters.games == 0 && state.coins.in == 0) {
        newMachine(setting, request.seed);
        return;
    }
    auto *dialog = new NewMachineDialog(
        QStringLiteral(
            "新しい台が頼まれました。いまの台（%1 ゲーム）をやめて、新しい台にしますか？")
            .arg(state.counters.games),
        setting, request.seed, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("requestedMachine"));
    connect(dialog, &QDialog::accepted, this,
        [this, dialog] { newMachine(dialog->setting(), dialog->seed()); });
    dialog->open();
}

// Each state is said once: a failed save again only after saving worked.
void PlayWindow::showStoreStatus()
{
    const std::pair status { m_store->status(), m_store->history().status() };
    if (m_statusShown && status == m_shownStatus)
        return;
    m_statusShown = true;
    m_shownStatus = status;
    QStringList texts;
    for (const QString &text : { sittingMessage(*m_store), historyMessage(*m_store) })
        if (!text.isEmpty())
            texts << text;
    const QString text = texts.join(u'\n');
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

} // namespace ui
