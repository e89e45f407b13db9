#include "ui/drill/statisticsdialog.h"

#include "drill/progress.h"
#include "ui/drill/drilltexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {

enum class Column { patterns, seen, mastered, recent, sitting };
constexpr int kColumns = int(Column::sitting) + 1;

constexpr int at(Column column) { return int(column); }

QString share(int part, int whole)
{
    if (whole == 0)
        return QStringLiteral("—");
    return QStringLiteral("%1%（%2 問中 %3）").arg(100 * part / whole).arg(whole).arg(part);
}

QStandardItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignRight)
{
    auto *item = new QStandardItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

} // namespace

StatisticsDialog::StatisticsDialog(QWidget *parent)
    : QDialog(parent)
    , m_model(new QStandardItemModel(judge::kCategoryCount + 1, kColumns, this))
{
    setWindowTitle(QStringLiteral("練習の成績"));
    m_model->setHorizontalHeaderLabels(
        { QStringLiteral("出目"), QStringLiteral("見た"), QStringLiteral("覚えた"),
            QStringLiteral("最近の正解率（各区分の直近 %1 問）").arg(drill::kLogPerCategory),
            QStringLiteral("この回（正解 / 答え）") });
    QStringList rows;
    for (judge::Category category : judge::kCategories)
        rows << categoryCaption(category);
    rows << QStringLiteral("計");
    m_model->setVerticalHeaderLabels(rows);

    auto *table = new QTableView;
    table->setModel(m_model);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setAccessibleName(QStringLiteral("区分ごとの成績"));

    auto *rule = new QLabel(
        QStringLiteral("「覚えた」は、間をあけて続けて %1 回正解し、その最後の正解が前の正解から"
                       "およそ 1 日（20 時間）以上あとだった出目です。間違えると数え直しです。"
                       "「この回」は、この練習の窓を開いてからの数です。")
            .arg(drill::kMasteredBox - 1));
    rule->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    auto *reset
        = buttons->addButton(QStringLiteral("進み具合を消す(&R)…"), QDialogButtonBox::ResetRole);
    connect(reset, &QPushButton::clicked, this, &StatisticsDialog::resetRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(rule);
    layout->addWidget(buttons);
    m_table = table;
    setFigures({}, {});
}

void StatisticsDialog::setFigures(
    const drill::Figures &figures, const drill::SittingFigures &sitting)
{
    drill::CategoryFigures total;
    int totalSitting = 0;
    int totalSittingRight = 0;
    const auto fill = [this](int row, const drill::CategoryFigures &f, int answers, int right) {
        m_model->setItem(row, at(Column::patterns), cell(QString::number(f.patterns)));
        m_model->setItem(row, at(Column::seen), cell(QString::number(f.seen)));
        m_model->setItem(row, at(Column::mastered), cell(QString::number(f.mastered)));
        m_model->setItem(row, at(Column::recent), cell(share(f.recentRight, f.recentAnswers)));
        m_model->setItem(row, at(Column::sitting),
            cell(answers == 0 ? QStringLiteral("—")
                              : QStringLiteral("%1 / %2").arg(right).arg(answers)));
    };
    for (int row = 0; row < judge::kCategoryCount; ++row) {
        const auto n = std::size_t(judge::number(judge::kCategories[std::size_t(row)]));
        const drill::CategoryFigures &f = figures[n];
        fill(row, f, sitting.answersIn[n], sitting.rightIn[n]);
        total.patterns += f.patterns;
        total.seen += f.seen;
        total.mastered += f.mastered;
        total.recentAnswers += f.recentAnswers;
        total.recentRight += f.recentRight;
        totalSitting += sitting.answersIn[n];
        totalSittingRight += sitting.rightIn[n];
    }
    fill(judge::kCategoryCount, total, totalSitting, totalSittingRight);
    fitTable();
}

QString StatisticsDialog::cellText(int row, int column) const
{
    const QStandardItem *item = m_model->item(row, column);
    return item ? item->text() : QString();
}

void StatisticsDialog::fitTable()
{
    m_table->resizeColumnsToContents();
    m_table->resizeRowsToContents();
    const int width = m_table->verticalHeader()->width() + m_table->horizontalHeader()->length()
        + 2 * m_table->frameWidth();
    const int height = m_table->horizontalHeader()->height() + m_table->verticalHeader()->length()
        + 2 * m_table->frameWidth();
    m_table->setFixedSize(width, height);
}

} // namespace ui
