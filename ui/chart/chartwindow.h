// The window "リーチ目表": every pattern drawn as the reel windows show it,
// grouped by result, with filters, a search, printing and a PDF. Enter on a
// pattern or a double-click asks the main window to put its reels there.
#pragma once

#include "judge/patternfilter.h"
#include "ui/pictures/cellpictures.h"
#include "ui/pictures/patternpainter.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QPagedPaintDevice;

namespace ui {

class ChartModel;
class ChartView;
class FilterPanel;

class ChartWindow : public QMainWindow {
    Q_OBJECT
public:
    // Returns an empty string when the reels stand on the pattern, else why
    // they do not.
    using PatternHandler = std::function<QString(judge::Pattern)>;

    explicit ChartWindow(const StripPictures &pictures, QWidget *parent = nullptr);
    ~ChartWindow() override;

    void setPatternHandler(PatternHandler handler);

    ChartModel *model() const { return m_model; }
    ChartView *view() const { return m_view; }
    FilterPanel *filters() const { return m_filters; }
    const CellPictures &cells() const { return m_cells; }

    // Prints what the filters show onto a device; false when it could not.
    bool printTo(QPagedPaintDevice &device) const;
    // Writes what the filters show as a PDF, replacing the file only once it
    // is complete; returns an empty string, else why it failed.
    QString saveAsPdf(const QString &fileName) const;

private:
    void applyFilter();
    void choosePattern(judge::Pattern pattern);
    void chooseOnlyPattern();
    void print();
    void savePdf();

    CellPictures m_cells; // for the printed pages
    PatternPainter m_painter; // for the list
    ChartModel *m_model;
    // Built first, so that Tab leads from the search field and the filters
    // to the list.
    FilterPanel *m_filters;
    ChartView *m_view;
    QLabel *m_count;
    PatternHandler m_handler;
};

} // namespace ui
