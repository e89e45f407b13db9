// The chart's filters: category, result, the symbol at each of the nine
// places, the search text and whether a reach-me pattern was met in play
// (実戦で見た / まだ見ていない, from the collection given). Every change gives
// a new filter at once.
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
    // すべて, 実戦で見た, まだ見ていない.
    QComboBox *seenBox() const { return m_seen; }

    // The reach-me patterns met in play, out of those that can be collected:
    // 実戦で見た shows the first, まだ見ていない the rest of the second. A new
    // filter follows when either is chosen.
    void setSeenPatterns(const judge::PatternSet &seen, const judge::PatternSet &collectable);

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
    QComboBox *m_seen;
    judge::PatternSet m_seenPatterns, m_collectable;
    std::array<std::array<QComboBox *, 3>, 3> m_places {};
    bool m_clearing = false;
};

} // namespace ui
