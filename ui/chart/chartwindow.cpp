#include "ui/chart/chartwindow.h"

#include "ui/chart/chartmodel.h"
#include "ui/chart/chartprinter.h"
#include "ui/chart/chartview.h"
#include "ui/chart/filterpanel.h"
#include "ui/chart/patterndelegate.h"
#include "ui/common/texts.h"

#include "judge/table.h"

#include <QAction>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStatusBar>
#include <QVBoxLayout>

namespace ui {

namespace {

constexpr int kMessageMilliseconds = 5000;

} // namespace

ChartWindow::ChartWindow(const StripPictures &pictures, QWidget *parent)
    : QMainWindow(parent)
    , m_cells(pictures)
    , m_painter(pictures)
    , m_model(new ChartModel(this))
    , m_filters(new FilterPanel(this))
    , m_view(new ChartView(this))
    , m_count(new QLabel(this))
{
    setWindowTitle(QStringLiteral("リーチ目表"));

    m_view->setModel(m_model);
    m_view->setItemDelegate(new PatternDelegate(m_painter, m_view));
    m_view->setAccessibleName(QStringLiteral("リーチ目"));

    const judge::ViewFigures &views = judge::machineViewFigures();
    auto *note = new QLabel(
        QStringLiteral("同じ3段の図柄でも、コマが違えば結果が違うことがあります（見える 3 × 3 の"
                       "並び %1 通りのうち %2 通り）。図柄で絞ると、それらをすべて表示します。")
            .arg(views.views)
            .arg(views.mixed),
        this);
    note->setWordWrap(true);

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(m_filters);
    auto *right = new QVBoxLayout;
    right->addWidget(note);
    right->addWidget(m_view, 1);
    layout->addLayout(right, 1);
    setCentralWidget(central);
    statusBar()->addPermanentWidget(m_count);

    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    QAction *printAction = file->addAction(QStringLiteral("印刷…"), this, &ChartWindow::print);
    printAction->setShortcut(QKeySequence::Print);
    file->addAction(QStringLiteral("PDFに保存…"), this, &ChartWindow::savePdf);
    file->addSeparator();
    QAction *closeAction = file->addAction(QStringLiteral("閉じる"), this, &QWidget::close);
    closeAction->setShortcut(QKeySequence::Close);

    connect(m_filters, &FilterPanel::filterChanged, this, &ChartWindow::applyFilter);
    connect(m_filters, &FilterPanel::searchEntered, this, &ChartWindow::chooseOnlyPattern);
    connect(m_view, &ChartView::patternChosen, this, &ChartWindow::choosePattern);

    applyFilter();
    // Narrower, the filters squeeze the patterns out of the list.
    setMinimumSize(640, 400);
    resize(940, 720);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::setPatternHandler(PatternHandler handler) { m_handler = std::move(handler); }

void ChartWindow::applyFilter()
{
    m_model->setFilter(m_filters->filter());
    m_view->expandAll();
    m_count->setText(
        QStringLiteral("%1 / %2 通り").arg(m_model->shownCount()).arg(judge::kPatterns));
}

void ChartWindow::choosePattern(judge::Pattern pattern)
{
    if (!m_handler) {
        statusBar()->showMessage(
            QStringLiteral("メイン画面がないので移せません。"), kMessageMilliseconds);
        return;
    }
    const QString refusal = m_handler(pattern);
    if (refusal.isEmpty())
        statusBar()->showMessage(
            QStringLiteral("リールを %1 に合わせました。").arg(cellsText(pattern)),
            kMessageMilliseconds);
    else
        statusBar()->showMessage(refusal, kMessageMilliseconds);
}

void ChartWindow::chooseOnlyPattern()
{
    if (m_model->shownCount() == 1)
        choosePattern(m_model->groups().front().patterns.front());
}

bool ChartWindow::printTo(QPagedPaintDevice &device) const
{
    return printChart(device, m_model->groups(), m_cells);
}

void ChartWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("リーチ目表"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printTo(printer))
        statusBar()->showMessage(QStringLiteral("印刷しました。"), kMessageMilliseconds);
    else
        QMessageBox::warning(this, QStringLiteral("印刷"),
            QStringLiteral("印刷できませんでした。プリンターの設定を確かめて下さい。"));
}

QString ChartWindow::saveAsPdf(const QString &fileName) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("リーチ目表"));
        writer.setCreator(QStringLiteral("reachme"));
        if (!printTo(writer)) {
            file.cancelWriting();
            return QStringLiteral("PDFを書けませんでした。");
        }
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void ChartWindow::savePdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("PDFに保存"),
        folder + QStringLiteral("/リーチ目表.pdf"), QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return;
    const QString error = saveAsPdf(fileName);
    if (error.isEmpty())
        statusBar()->showMessage(
            QStringLiteral("%1 に保存しました。").arg(fileName), kMessageMilliseconds);
    else
        statusBar()->showMessage(
            QStringLiteral("%1 に保存できません: %2").arg(fileName, error), kMessageMilliseconds);
}

} // namespace ui
