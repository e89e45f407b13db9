#include "ui/chart/filterpanel.h"

#include "ui/common/texts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kRowNames[]
    = { QStringLiteral("上段"), QStringLiteral("中段"), QStringLiteral("下段") };
const QString kReelNames[] = { QStringLiteral("左"), QStringLiteral("中"), QStringLiteral("右") };

} // namespace

FilterPanel::FilterPanel(QWidget *parent)
    : QWidget(parent)
    , m_search(new QLineEdit(this))
    , m_hint(new QLabel(this))
    , m_category(new QComboBox(this))
    , m_result(new QComboBox(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *searchLabel = new QLabel(QStringLiteral("検索(&S)"), this);
    searchLabel->setBuddy(m_search);
    m_search->setAccessibleName(QStringLiteral("検索"));
    m_search->setPlaceholderText(QStringLiteral("例: 3 2 14 または J04"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(
        QStringLiteral("左・中・右のコマ番号（1〜21）を1〜3個、または結果（J01〜J38）"));
    m_hint->setText(
        QStringLiteral("コマ番号を左・中・右の順に1〜3個（1〜21）か、J01〜J38 を入れてください。"));
    m_hint->setWordWrap(true);
    m_hint->setForegroundRole(QPalette::Highlight);
    m_hint->hide();
    layout->addWidget(searchLabel);
    layout->addWidget(m_search);
    layout->addWidget(m_hint);

    auto *form = new QFormLayout;
    m_category->addItem(QStringLiteral("すべて"));
    for (judge::Category category : judge::kCategories)
        m_category->addItem(fromUtf8(judge::categoryName(category)));
    m_category->setAccessibleName(QStringLiteral("分類"));
    m_result->addItem(QStringLiteral("すべて"));
    for (int n = 1; n <= judge::kCodeCount; ++n) {
        const judge::Code code = judge::codeFromNumber(n);
        m_result->addItem(
            QString::fromStdString(judge::name(code)) + QStringLiteral("　") + resultLine(code));
    }
    m_result->setAccessibleName(QStringLiteral("結果"));
    m_result->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_result->setMinimumContentsLength(12);
    form->addRow(QStringLiteral("分類(&C)"), m_category);
    form->addRow(QStringLiteral("結果(&R)"), m_result);
    layout->addLayout(form);

    auto *symbols = new QGroupBox(QStringLiteral("図柄"), this);
    auto *grid = new QGridLayout(symbols);
    for (int reel = 0; reel < 3; ++reel)
        grid->addWidget(new QLabel(kReelNames[reel], symbols), 0, reel + 1, Qt::AlignHCenter);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(kRowNames[row], symbols), row + 1, 0);
        for (int reel = 0; reel < 3; ++reel) {
            auto *box = new QComboBox(symbols);
            box->addItem(QStringLiteral("－"));
            for (judge::Symbol symbol : judge::kSymbols)
                box->addItem(fromUtf8(judge::symbolWord(symbol)));
            box->setAccessibleName(
                QStringLiteral("%1リール%2の図柄").arg(kReelNames[reel], kRowNames[row]));
            grid->addWidget(box, row + 1, reel + 1);
            m_places[std::size_t(row)][std::size_t(reel)] = box;
            connect(box, &QComboBox::currentIndexChanged, this, &FilterPanel::changed);
        }
    }
    layout->addWidget(symbols);

    auto *clearButton = new QPushButton(QStringLiteral("条件を消す"), this);
    layout->addWidget(clearButton, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(m_search, &QLineEdit::textChanged, this, &FilterPanel::changed);
    connect(m_search, &QLineEdit::returnPressed, this, &FilterPanel::searchEntered);
    connect(m_category, &QComboBox::currentIndexChanged, this, &FilterPanel::changed);
    connect(m_result, &QComboBox::currentIndexChanged, this, &FilterPanel::changed);
    connect(clearButton, &QPushButton::clicked, this, &FilterPanel::clear);
}

QComboBox *FilterPanel::placeBox(int row, int reel) const
{
    return m_places.at(std::size_t(row)).at(std::size_t(reel));
}

judge::PatternFilter FilterPanel::filter() const
{
    judge::PatternFilter filter;
    if (m_category->currentIndex() > 0)
        filter.categories.set(std::size_t(m_category->currentIndex()));
    if (m_result->currentIndex() > 0)
        filter.codes.set(std::size_t(m_result->currentIndex()));
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t reel = 0; reel < 3; ++reel)
            if (const int i = m_places[row][reel]->currentIndex(); i > 0)
                filter.places[row][reel] = judge::kSymbols[std::size_t(i - 1)];
    const QByteArray text = m_search->text().toUtf8();
    filter.search = judge::parseSearch({ text.constData(), std::size_t(text.size()) });
    // A text not understood filters nothing.
    if (filter.search.kind == judge::SearchQuery::Kind::notUnderstood)
        filter.search = {};
    return filter;
}

void FilterPanel::changed()
{
    if (m_clearing)
        return;
    const QByteArray text = m_search->text().toUtf8();
    m_hint->setVisible(judge::parseSearch({ text.constData(), std::size_t(text.size()) }).kind
        == judge::SearchQuery::Kind::notUnderstood);
    emit filterChanged();
}

void FilterPanel::clear()
{
    m_clearing = true;
    m_search->clear();
    m_category->setCurrentIndex(0);
    m_result->setCurrentIndex(0);
    for (const auto &row : m_places)
        for (QComboBox *box : row)
            box->setCurrentIndex(0);
    m_clearing = false;
    changed();
}

} // namespace ui
