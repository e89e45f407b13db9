#include "ui/collection/collectionwindow.h"

#include "ui/chart/chartview.h"
#include "ui/collection/collectiondelegate.h"
#include "ui/collection/collectionkeeper.h"
#include "ui/collection/collectionmodel.h"
#include "ui/common/settings.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace ui {

CollectionWindow::CollectionWindow(
    const StripPictures &pictures, CollectionKeeper &keeper, QWidget *parent)
    : QMainWindow(parent)
    , m_keeper(keeper)
    , m_painter(pictures)
    , m_model(new CollectionModel(keeper, this))
    , m_summary(new QLabel(this))
    , m_uncollected(new QCheckBox(QStringLiteral("まだ集めていない出目も表示(&U)"), this))
    , m_view(new ChartView(this))
    , m_message(new QLabel(this))
{
    setWindowTitle(QStringLiteral("リーチ目コレクション"));

    m_summary->setAccessibleName(QStringLiteral("集めたリーチ目"));
    m_uncollected->setAccessibleName(QStringLiteral("まだ集めていない出目も表示"));
    m_uncollected->setToolTip(QStringLiteral(
        "オフにすると、実戦で止まったリーチ目だけを表示します。オンでは、まだのものを灰色の枠で、"
        "止まることのないものを「止まらない」で示します。"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new CollectionDelegate(m_painter, m_view));
    m_view->setAccessibleName(QStringLiteral("リーチ目コレクション"));
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setAccessibleName(QStringLiteral("コレクションのファイル"));
    m_message->setWordWrap(true);
    QPalette warning = m_message->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_message->setPalette(warning);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_uncollected);
    layout->addLayout(top);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_message);
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    QAction *closeAction = file->addAction(QStringLiteral("閉じる"), this, &QWidget::close);
    closeAction->setShortcut(QKeySequence::Close);

    connect(m_view, &ChartView::patternChosen, this,
        [this](judge::Pattern pattern) { choosePatternFor(m_handler, pattern, statusBar()); });
    connect(&keeper, &CollectionKeeper::changed, this, &CollectionWindow::showSummary);
    connect(&keeper, &CollectionKeeper::messageChanged, this, &CollectionWindow::showMessage);
    // A group's first row opens it; a group the player closed stays closed.
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex &group, int first, int last) {
            if (group.isValid() && m_model->rowCount(group) == last - first + 1)
                m_view->expand(group);
        });
    connect(m_uncollected, &QCheckBox::toggled, this, &CollectionWindow::showUncollected);

    const bool show = settings::kCollectionShowUncollected.read();
    m_uncollected->setChecked(show);
    m_model->setShowUncollected(show);
    m_view->expandAll();
    showSummary();
    showMessage(keeper.message());
    // The keys go to the list first: Enter on a pattern, the arrows to move.
    m_view->setFocus();
    setMinimumSize(560, 400);
    resize(760, 720);
}

CollectionWindow::~CollectionWindow() = default;

void CollectionWindow::setPatternHandler(ChartWindow::PatternHandler handler)
{
    m_handler = std::move(handler);
}

void CollectionWindow::showSummary()
{
    int collected = 0, canStop = 0;
    for (const records::ResultFigures &figures : m_model->figures()) {
        collected += figures.collected;
        canStop += figures.canStop;
    }
    const bool reachMeFirst = m_keeper.controlOption() == machine::ControlOption::reachMeFirst;
    m_summary->setText(
        QStringLiteral("集めたリーチ目　%1 / %2 通り（リーチ目優先%3で止まる出目のうち）")
            .arg(collected)
            .arg(canStop)
            .arg(reachMeFirst ? QStringLiteral("あり") : QStringLiteral("なし")));
}

void CollectionWindow::showMessage(const QString &message)
{
    m_message->setText(message);
    m_message->setVisible(!message.isEmpty());
}

void CollectionWindow::showUncollected(bool show)
{
    settings::kCollectionShowUncollected.write(show);
    m_model->setShowUncollected(show);
}

// 実戦's option may have changed while this window was in the background.
bool CollectionWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_keeper.readControlOption();
    return QMainWindow::event(event);
}

} // namespace ui
