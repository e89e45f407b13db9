// The chart's filters: category, result, the symbol at each of the nine
// places and the search text. Every change gives a new filter at once.
#pragma once

#include "judge/patternfilter.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

class FilterPanel : public QWidget {
    Q_OBJECT
public:
    explicit FilterPanel(QWidget *parent = nullptr);

    judge::PatternFilter filter() const;

    QLineEdit *searchField() const { return m_search; }
    QComboBox *categoryBox() const { return m_category; }
    QComboBox *resultBox() const { return m_result; }
    // Row 0..2 (top, middle, bottom), reel 0..2.
    QComboBox *placeBox(int row, int reel) const;
    // Shown under the search field while its text is not understood.
    QLabel *searchHint() const { return m_hint; }

    // Back to showing every pattern.
    void clear();

signals:
    void filterChanged();
    // Enter in the search field.
    void searchEntered();

private:
    void changed();

    QLineEdit *m_search;
    QLabel *m_hint;
    QComboBox *m_category;
    QComboBox *m_result;
    std::array<std::array<QComboBox *, 3>, 3> m_places {};
    bool m_clearing = false;
};

} // namespace ui
