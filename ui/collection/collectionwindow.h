// The window "リーチ目コレクション": per result J03 … J13 the patterns collected
// in 実戦 against those the control can ever stop, and the patterns drawn as
// the chart draws them, with how often and when first and last each stopped.
// Patterns not yet collected are grey outlines, or hidden; those that can
// never stop are marked. Enter on a pattern or a double-click asks the main
// window to put its reels there. Not modal.
#pragma once

#include "ui/chart/chartwindow.h"
#include "ui/pictures/patternpainter.h"

#include <QMainWindow>

class QCheckBox;
class QLabel;

namespace ui {

class ChartView;
class CollectionKeeper;
class CollectionModel;

class CollectionWindow : public QMainWindow {
    Q_OBJECT
public:
    // The keeper must outlive the window.
    CollectionWindow(
        const StripPictures &pictures, CollectionKeeper &keeper, QWidget *parent = nullptr);
    ~CollectionWindow() override;

    void setPatternHandler(ChartWindow::PatternHandler handler);

    CollectionModel *model() const { return m_model; }
    ChartView *view() const { return m_view; }
    // Kept with QSettings.
    QCheckBox *uncollectedBox() const { return m_uncollected; }
    // "集めたリーチ目 123 / 2743 通り" and the option.
    QLabel *summaryLabel() const { return m_summary; }
    // The collection file's state, when the player should know it.
    QLabel *messageLabel() const { return m_message; }

protected:
    bool event(QEvent *event) override;

private:
    void showSummary();
    void showMessage(const QString &message);
    void showUncollected(bool show);

    CollectionKeeper &m_keeper;
    PatternPainter m_painter;
    CollectionModel *m_model;
    QLabel *m_summary;
    QCheckBox *m_uncollected;
    ChartView *m_view;
    QLabel *m_message;
    ChartWindow::PatternHandler m_handler;
};

} // namespace ui
