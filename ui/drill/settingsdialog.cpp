#include "ui/drill/settingsdialog.h"

#include "ui/drill/drilltexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

QSpinBox *secondsBox(int most, const QString &offText, int value)
{
    auto *box = new QSpinBox;
    box->setRange(0, most);
    box->setSuffix(QStringLiteral(" 秒"));
    box->setSpecialValueText(offText);
    box->setValue(value);
    return box;
}

} // namespace

SettingsDialog::SettingsDialog(const DrillSettings &settings, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("練習の設定"));

    auto *modeBox = new QGroupBox(QStringLiteral("出し方"));
    m_play = new QRadioButton(QStringLiteral("実戦"));
    m_play->setToolTip(QStringLiteral("どの出目も、遊技で止まるのと同じく等しい確率で出ます。"));
    m_weakness = new QRadioButton(QStringLiteral("苦手克服"));
    m_weakness->setToolTip(
        QStringLiteral("間違えた出目はすぐにまた、覚えた出目は間をあけて出ます。"));
    (settings.mode == drill::Mode::play ? m_play : m_weakness)->setChecked(true);
    auto *modeLayout = new QVBoxLayout(modeBox);
    auto *modes = new QHBoxLayout;
    modes->addWidget(m_play);
    modes->addWidget(m_weakness);
    modes->addStretch();
    modeLayout->addLayout(modes);

    m_metInPlayFirst = new QCheckBox(QStringLiteral("実戦で見たリーチ目を先に出す(&M)"));
    m_metInPlayFirst->setObjectName(QStringLiteral("metInPlayFirst"));
    m_metInPlayFirst->setToolTip(
        QStringLiteral("リーチ目コレクションの出目（実戦の通常ゲームで止まったリーチ目）を、"
                       "ほかのまだ出していない出目より先に出します。"));
    m_metInPlayFirst->setChecked(settings.metInPlayFirst);
    modeLayout->addWidget(m_metInPlayFirst);

    auto *categoryBox = new QGroupBox(QStringLiteral("出す区分"));
    auto *categoryLayout = new QGridLayout(categoryBox);
    for (int i = 0; i < judge::kCategoryCount; ++i) {
        const judge::Category category = judge::kCategories[std::size_t(i)];
        auto *check = new QCheckBox(categoryCaption(category).replace(u'&', QStringLiteral("&&")));
        const auto n = std::size_t(judge::number(category));
        check->setChecked(settings.categories.none() || settings.categories.test(n));
        connect(check, &QCheckBox::toggled, this, &SettingsDialog::updateOk);
        categoryLayout->addWidget(check, i % 5, i / 5);
        m_categories[std::size_t(i)] = check;
    }

    m_timeLimit
        = secondsBox(kMaxTimeLimitSeconds, QStringLiteral("なし"), settings.timeLimitSeconds);
    m_delay = secondsBox(
        kMaxDelaySeconds, QStringLiteral("Enter か Space で進む"), settings.delaySeconds);
    auto *timing = new QFormLayout;
    timing->addRow(QStringLiteral("1 問の制限時間(&T)"), m_timeLimit);
    timing->addRow(QStringLiteral("次の出目まで(&D)"), m_delay);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(modeBox);
    layout->addWidget(categoryBox);
    layout->addLayout(timing);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    updateOk();
}

DrillSettings SettingsDialog::settings() const
{
    DrillSettings result;
    result.mode = m_play->isChecked() ? drill::Mode::play : drill::Mode::weakness;
    for (int i = 0; i < judge::kCategoryCount; ++i)
        if (m_categories[std::size_t(i)]->isChecked())
            result.categories.set(std::size_t(judge::number(judge::kCategories[std::size_t(i)])));
    // All nine is no narrowing.
    if (result.categories.count() == std::size_t(judge::kCategoryCount))
        result.categories.reset();
    result.timeLimitSeconds = m_timeLimit->value();
    result.delaySeconds = m_delay->value();
    result.metInPlayFirst = m_metInPlayFirst->isChecked();
    return result;
}

// At least one category must stay chosen.
void SettingsDialog::updateOk()
{
    const bool any = std::any_of(
        m_categories.begin(), m_categories.end(), [](QCheckBox *c) { return c && c->isChecked(); });
    m_ok->setEnabled(any);
}

} // namespace ui
