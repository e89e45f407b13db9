#include "ui/data/datawindow.h"

#include "ui/data/bonushistorydelegate.h"
#include "ui/data/bonushistorymodel.h"
#include "ui/data/datatexts.h"
#include "ui/data/settingbars.h"
#include "ui/data/slumpchart.h"

#include "safefile/writing.h"

#include <QAction>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

#include <cstring>
#include <stdexcept>

namespace ui::data {

namespace {

constexpr int kMessageMilliseconds = 5000;
const QString kSaveTitle = QStringLiteral("履歴をCSVで保存");

// A figure's value, its word beside it and as its accessible name.
QLabel *addFigure(QFormLayout *form, const QString &word)
{
    auto *value = new QLabel;
    value->setAccessibleName(word);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *caption = new QLabel(word);
    caption->setAccessibleName(word);
    form->addRow(caption, value);
    return value;
}

QString answerText(int setting) { return QStringLiteral("この台の設定: %1").arg(setting); }

} // namespace

DataWindow::DataWindow(const StripPictures &pictures, QWidget *parent)
    : QMainWindow(parent)
    , m_painter(pictures)
    , m_bonusModel(new BonusHistoryModel(this))
    , m_bonusList(new QListView(this))
    , m_slump(new SlumpChart(this))
    , m_bars(new SettingBars(this))
{
    setWindowTitle(QStringLiteral("データ"));

    auto *counterBox = new QGroupBox(QStringLiteral("カウンター"), this);
    auto *counter = new QFormLayout(counterBox);
    m_gamesSinceBonus = addFigure(counter, QStringLiteral("ゲーム数"));
    m_games = addFigure(counter, QStringLiteral("総ゲーム数"));
    m_bigs = addFigure(counter, QStringLiteral("BIG"));
    m_regs = addFigure(counter, QStringLiteral("REG"));
    m_bigOneIn = addFigure(counter, QStringLiteral("BIG確率"));
    m_regOneIn = addFigure(counter, QStringLiteral("REG確率"));
    m_difference = addFigure(counter, QStringLiteral("差枚"));

    auto *settingBox = new QGroupBox(QStringLiteral("設定推測"), this);
    auto *setting = new QVBoxLayout(settingBox);
    setting->addWidget(m_bars, 1);
    auto *answerRow = new QHBoxLayout;
    m_answer = new QLabel(settingBox);
    m_answer->setAccessibleName(QStringLiteral("答え"));
    m_revealButton = new QPushButton(QStringLiteral("答え合わせ"), settingBox);
    answerRow->addWidget(m_answer, 1);
    answerRow->addWidget(m_revealButton);
    setting->addLayout(answerRow);
    connect(m_revealButton, &QPushButton::clicked, this, &DataWindow::reveal);

    auto *callsBox = new QGroupBox(QStringLiteral("察知"), this);
    auto *calls = new QFormLayout(callsBox);
    m_right = addFigure(calls, QStringLiteral("察知 正解"));
    m_wrong = addFigure(calls, QStringLiteral("察知 はずれ"));
    m_missed = addFigure(calls, QStringLiteral("見逃したリーチ目"));
    m_average = addFigure(calls, QStringLiteral("リーチ目から察知まで（平均）"));

    auto *left = new QVBoxLayout;
    left->addWidget(counterBox);
    left->addWidget(settingBox, 1);
    left->addWidget(callsBox);

    m_bonusList->setModel(m_bonusModel);
    m_bonusList->setItemDelegate(new BonusHistoryDelegate(m_painter, m_bonusList));
    m_bonusList->setAccessibleName(QStringLiteral("ボーナス履歴"));
    // The patterns run across the list's width: a new width lays them out anew.
    m_bonusList->setResizeMode(QListView::Adjust);
    m_bonusList->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_bonusList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *historyBox = new QGroupBox(QStringLiteral("ボーナス履歴"), this);
    auto *history = new QVBoxLayout(historyBox);
    history->addWidget(m_bonusList);

    auto *right = new QSplitter(Qt::Vertical, this);
    right->addWidget(m_slump);
    right->addWidget(historyBox);
    right->setStretchFactor(0, 1);
    right->setStretchFactor(1, 1);

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addLayout(left);
    layout->addWidget(right, 1);
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    QAction *save
        = file->addAction(QStringLiteral("履歴をCSVで保存…"), this, &DataWindow::chooseCsvFile);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    QAction *close = file->addAction(QStringLiteral("閉じる"), this, &QWidget::close);
    close->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape) });

    m_bonusModel->setBonuses(&m_counter.bonuses());
    m_slump->setSeries(&m_counter.slump());
    setCalls({});
    rebuild();
    resize(1000, 720);
}

DataWindow::~DataWindow() = default;

void DataWindow::setMachine(const records::GameHistory &history, int setting, bool settingHidden)
{
    m_history = history;
    m_setting = setting;
    m_hidden = settingHidden;
    m_revealed = false;
    rebuild();
}

void DataWindow::addGame(const records::GameRow &row)
{
    try {
        m_history.append(row);
    } catch (const std::invalid_argument &) {
        // Not the game after the last one: the machine was replaced.
        m_history = {};
        m_history.append(row);
        rebuild();
        return;
    }
    const std::size_t bonuses = m_counter.bonuses().size();
    m_counter.add(row);
    if (m_counter.bonuses().size() != bonuses)
        m_bonusModel->bonusesAdded();
    m_slump->follow();
    showCounter();
}

void DataWindow::rebuild()
{
    m_bonusModel->setBonuses(nullptr);
    m_counter = {};
    for (const records::GameRow &row : m_history.rows())
        m_counter.add(row);
    m_bonusModel->setBonuses(&m_counter.bonuses());
    m_slump->setSeries(&m_counter.slump());
    showCounter();
    showSetting();
}

void DataWindow::showCounter()
{
    m_gamesSinceBonus->setText(QString::number(m_counter.gamesSinceBonus()));
    m_games->setText(QString::number(m_counter.games()));
    m_bigs->setText(QString::number(m_counter.bigs()));
    m_regs->setText(QString::number(m_counter.regs()));
    m_bigOneIn->setText(oneInText(m_counter.bigOneIn()));
    m_regOneIn->setText(oneInText(m_counter.regOneIn()));
    m_difference->setText(coinsText(m_counter.slump().difference()));
    m_bars->setOdds(m_counter.odds());
}

void DataWindow::showSetting()
{
    const bool shown = !m_hidden || m_revealed;
    m_answer->setText(shown ? answerText(m_setting) : QStringLiteral("この台の設定: ？"));
    m_bars->markSetting(shown ? m_setting : 0);
    m_revealButton->setVisible(m_hidden);
    m_revealButton->setEnabled(!shown);
}

void DataWindow::reveal()
{
    m_revealed = true;
    showSetting();
}

void DataWindow::setCalls(const records::CallFigures &figures)
{
    m_right->setText(QString::number(figures.right));
    m_wrong->setText(QString::number(figures.wrong));
    m_missed->setText(QString::number(figures.missed));
    m_average->setText(averageGamesText(figures.averageGamesToCall()));
}

QString DataWindow::saveHistory(const QString &path) const
{
    const std::string text = m_history.csv();
    const safefile::Written written
        = safefile::writeWhole(path, QByteArrayView(text.data(), qsizetype(text.size())));
    if (written.ok)
        return {};
    if (written.error == 0)
        return QStringLiteral("書き込めませんでした");
    return QString::fromLocal8Bit(std::strerror(written.error));
}

void DataWindow::saveHistoryAs(const QString &path)
{
    const QString error = saveHistory(path);
    if (error.isEmpty()) {
        statusBar()->showMessage(
            QStringLiteral("%1 に保存しました。").arg(path), kMessageMilliseconds);
        return;
    }
    auto *message = new QMessageBox(QMessageBox::Warning, kSaveTitle,
        QStringLiteral("%1 に保存できませんでした: "
                       "%2\nその名前のファイルが前からあれば、そのまま残っています。")
            .arg(path, error),
        QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

void DataWindow::chooseCsvFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, kSaveTitle, folder + QStringLiteral("/履歴.csv"), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty())
        saveHistoryAs(path);
}

} // namespace ui::data
