#include "ui/drill/drillwindow.h"

#include "drill/lookalikes.h"
#include "drill/statistics.h"
#include "ui/common/looks.h"
#include "ui/common/qtintervaltimer.h"
#include "ui/drill/drilltexts.h"
#include "ui/drill/patternview.h"
#include "ui/drill/settingsdialog.h"
#include "ui/drill/statisticsdialog.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr TextFont kButtonFont { 10.5, false };
constexpr TextFont kFeedbackFont { 11.25, true };
// Room for the longest feedback: a verdict, three result lines, a cheer, and
// a shared look with the other pattern's line wrapped once.
constexpr int kFeedbackLines = 8;

// A caption shows "&" itself, not as a mnemonic.
QString buttonText(const QString &caption)
{
    return QString(caption).replace(u'&', QStringLiteral("&&"));
}

class StoreKeeper final : public drill::ProgressKeeper {
public:
    explicit StoreKeeper(drill::ProgressStore &store)
        : m_store(store)
    { }

    drill::Progress &progress() override { return m_store.progress(); }
    void save() override { m_store.save(); }
    safefile::Status status() const override { return m_store.status(); }

private:
    drill::ProgressStore &m_store;
};

} // namespace

DrillTiming systemDrillTiming()
{
    auto steady = std::make_shared<QElapsedTimer>();
    steady->start();
    DrillTiming timing;
    timing.milliseconds = [steady] { return std::int64_t(steady->elapsed()); };
    timing.limitTicks = std::make_unique<QtIntervalTimer>();
    timing.advance = std::make_unique<QtIntervalTimer>();
    timing.clock = drill::systemClock;
    timing.seed = QRandomGenerator::global()->generate64();
    return timing;
}

DrillWindow::DrillWindow(const StripPictures &pictures, const QString &dataFolder, QWidget *parent)
    : DrillWindow(pictures, dataFolder, systemDrillTiming(), parent)
{ }

DrillWindow::DrillWindow(
    const StripPictures &pictures, const QString &dataFolder, DrillTiming timing, QWidget *parent)
    : QMainWindow(parent)
    , m_store(std::make_unique<drill::ProgressStore>(dataFolder))
    , m_keeper(std::make_unique<StoreKeeper>(*m_store))
{
    setWindowTitle(QStringLiteral("練習"));
    setFont(gothicFont(kButtonFont));
    // The window itself takes the keys: none of its controls takes the focus.
    setFocusPolicy(Qt::StrongFocus);
    // Worked out now, so that no answer waits for it.
    drill::machineLookAlikes();

    buildMenu();
    auto *central = new QWidget;
    central->setFocusPolicy(Qt::NoFocus);
    m_view = new PatternView(pictures);
    m_feedback = new QLabel;
    m_feedback->setObjectName(QStringLiteral("feedback"));
    m_feedback->setFont(gothicFont(kFeedbackFont));
    m_feedback->setWordWrap(true);
    m_feedback->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_feedback->setFixedHeight(kFeedbackLines * m_feedback->fontMetrics().lineSpacing());
    m_next = new QPushButton(QStringLiteral("次へ（Enter・Space）"));
    m_next->setFocusPolicy(Qt::NoFocus);
    m_next->setAutoDefault(false);
    connect(m_next, &QPushButton::clicked, this, &DrillWindow::nextPattern);
    m_timeLeft = new QLabel;
    m_timeLeft->setObjectName(QStringLiteral("timeLeft"));
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::NoTextInteraction);
    QPalette warning = m_message->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_message->setPalette(warning);
    m_message->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(m_view, 0, Qt::AlignTop);
    top->addWidget(buildAnswerButtons());
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_next);
    bottom->addStretch();
    bottom->addWidget(m_timeLeft);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(m_feedback);
    layout->addLayout(bottom);
    layout->addWidget(m_message);
    setCentralWidget(central);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setFocus();

    drill::SessionView &view = *this;
    m_session = std::make_unique<drill::Session>(view, *m_keeper, std::move(timing));
    // A save that fails is said when it fails, not at the next answer.
    connect(&m_store->file(), &safefile::Store::saved, this, [this] { m_session->storeChanged(); });
    m_session->start(loadDrillSettings());
}

DrillWindow::~DrillWindow() = default;

void DrillWindow::buildMenu()
{
    QMenu *menu = menuBar()->addMenu(QStringLiteral("練習(&P)"));
    menu->addAction(QStringLiteral("設定(&S)…"), this, &DrillWindow::openSettings);
    menu->addAction(QStringLiteral("成績(&R)…"), this, &DrillWindow::openStatistics);
    menu->addSeparator();
    menu->addAction(QStringLiteral("進み具合を消す(&D)…"), this, &DrillWindow::confirmReset);
    menu->addSeparator();
    menu->addAction(QStringLiteral("閉じる(&C)"), this, &QWidget::close);
}

QWidget *DrillWindow::buildAnswerButtons()
{
    auto *panel = new QWidget;
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(QStringLiteral("この出目は？（1〜9 のキーでも）")));
    for (std::size_t i = 0; i < m_answers.size(); ++i) {
        const judge::Category category = judge::kCategories[i];
        auto *button = new QPushButton(buttonText(categoryCaption(category)));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 3px 8px;"));
        const int n = judge::number(category);
        connect(button, &QPushButton::clicked, this, [this, n] { answer(n); });
        column->addWidget(button);
        m_answers[i] = button;
    }
    column->addStretch();
    return panel;
}

judge::Pattern DrillWindow::currentPattern() const { return m_view->pattern(); }

void DrillWindow::applySettings(const DrillSettings &settings)
{
    saveDrillSettings(settings);
    m_session->applySettings(settings);
}

void DrillWindow::answer(int category) { m_session->answer(category); }

void DrillWindow::nextPattern() { m_session->next(); }

void DrillWindow::showQuestion(const judge::Pattern &pattern)
{
    m_view->setPattern(pattern);
    for (QPushButton *button : m_answers)
        button->setEnabled(true);
    m_next->setEnabled(false);
    m_feedback->clear();
}

void DrillWindow::showOutcome(const drill::Outcome &outcome)
{
    QPalette palette = m_feedback->palette();
    palette.setColor(QPalette::WindowText, outcome.right ? QColor(0, 0, 160) : QColor(176, 0, 0));
    m_feedback->setPalette(palette);
    m_feedback->setText(feedbackText(outcome));
    // The right answers stay lit.
    for (std::size_t i = 0; i < m_answers.size(); ++i)
        m_answers[i]->setEnabled(
            outcome.rightCategories.test(std::size_t(judge::number(judge::kCategories[i]))));
    m_next->setEnabled(true);
}

void DrillWindow::showTimeLeft(const drill::TimeLeft &left)
{
    QString text;
    if (left.shown) {
        text = QStringLiteral("残り %1 秒").arg(left.seconds);
        if (left.paused)
            text += QStringLiteral("（止めています）");
    }
    if (m_timeLeft->text() != text)
        m_timeLeft->setText(text);
}

bool DrillWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_session->setActive(true);
    else if (event->type() == QEvent::WindowDeactivate)
        m_session->setActive(false);
    return QMainWindow::event(event);
}

void DrillWindow::keyPressEvent(QKeyEvent *event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier && key >= Qt::Key_1 && key <= Qt::Key_9) {
        // A held key answers once.
        if (!event->isAutoRepeat())
            answer(key - Qt::Key_0);
        event->accept();
        return;
    }
    if (modifiers == Qt::NoModifier
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        nextPattern();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void DrillWindow::showStoreStatus(safefile::Status status)
{
    const QString text = storeMessage(status, *m_store);
    if (text.isEmpty() && m_message->text().isEmpty())
        return;
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

void DrillWindow::openSettings()
{
    auto *dialog = new SettingsDialog(m_session->settings(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(
        dialog, &QDialog::accepted, this, [this, dialog] { applySettings(dialog->settings()); });
    dialog->open();
}

void DrillWindow::openStatistics()
{
    if (!m_statistics) {
        m_statistics = new StatisticsDialog(this);
        connect(m_statistics, &StatisticsDialog::resetRequested, this, &DrillWindow::confirmReset);
    }
    m_statistics->show();
    refreshStatistics();
    m_statistics->raise();
    m_statistics->activateWindow();
}

void DrillWindow::refreshStatistics()
{
    if (m_statistics && m_statistics->isVisible())
        m_statistics->setFigures(
            drill::figures(m_store->progress()), m_session->scheduler().sitting());
}

void DrillWindow::confirmReset()
{
    QWidget *parent
        = m_statistics && m_statistics->isVisible() ? static_cast<QWidget *>(m_statistics) : this;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("進み具合を消す"),
        QStringLiteral("すべての出目の進み具合と答えの記録を消します。元には戻せません。"),
        QMessageBox::NoButton, parent);
    QPushButton *wipe = box.addButton(QStringLiteral("消す"), QMessageBox::DestructiveRole);
    QPushButton *keep = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    if (box.clickedButton() != wipe)
        return;
    m_session->wipeProgress();
}

void DrillWindow::progressChanged() { refreshStatistics(); }

} // namespace ui
