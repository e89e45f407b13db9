#include "ui/play/playdialogs.h"

#include "ui/play/playtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui {

namespace {

QDialogButtonBox *okCancel(QDialog *dialog, const QString &okText)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(okText);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace

QComboBox *settingChoice(int setting)
{
    auto *box = new QComboBox;
    box->addItem(QStringLiteral("ランダム（隠す）"), 0);
    for (int s = 1; s <= 6; ++s)
        box->addItem(settingText(s, true), s);
    box->setCurrentIndex(box->findData(setting));
    return box;
}

PlaySettingsDialog::PlaySettingsDialog(const PlaySettings &settings, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("実戦の設定"));
    m_judgement = new QCheckBox(QStringLiteral("ゲームごとに判定を表示する(&J)"));
    m_judgement->setChecked(settings.showJudgement);
    m_rpm = new QSpinBox;
    m_rpm->setRange(play::kSlowestRpm, play::kFullRpm);
    m_rpm->setSingleStep(5);
    m_rpm->setSuffix(QStringLiteral(" 回転／分"));
    m_rpm->setValue(settings.rpm);
    m_rpm->setToolTip(QStringLiteral("実機は 80。目押しを覚えるうちは遅くできます。"));
    m_leverWait = new QCheckBox(QStringLiteral("レバーの間を 4.1 秒あける（実機と同じ）(&W)"));
    m_leverWait->setChecked(settings.leverWait);
    m_reachMeFirst = new QCheckBox(QStringLiteral("リーチ目優先(&R)"));
    m_reachMeFirst->setToolTip(
        QStringLiteral("ボーナスが入っていて揃えられないとき、リーチ目を止めやすくします。"));
    m_reachMeFirst->setChecked(settings.reachMeFirst);
    m_setting = settingChoice(settings.setting);

    auto *form = new QFormLayout;
    form->addRow(m_judgement);
    form->addRow(QStringLiteral("リールの速さ(&S)"), m_rpm);
    form->addRow(m_leverWait);
    form->addRow(m_reachMeFirst);
    form->addRow(QStringLiteral("新しい台の設定(&N)"), m_setting);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(
        QStringLiteral("速さとリーチ目優先は次のレバーから、設定は次の新しい台から効きます。")));
    layout->addWidget(okCancel(this, QStringLiteral("OK")));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

PlaySettings PlaySettingsDialog::settings() const
{
    PlaySettings result;
    result.showJudgement = m_judgement->isChecked();
    result.rpm = m_rpm->value();
    result.leverWait = m_leverWait->isChecked();
    result.reachMeFirst = m_reachMeFirst->isChecked();
    result.setting = m_setting->currentData().toInt();
    return result;
}

NewMachineDialog::NewMachineDialog(
    const QString &question, int setting, std::optional<std::uint64_t> seed, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("新しい台"));
    m_setting = settingChoice(setting);
    m_seed = new QLineEdit(seed ? QString::number(*seed) : QString());
    m_seed->setPlaceholderText(QStringLiteral("空ならランダム"));
    m_seed->setToolTip(QStringLiteral("同じシードの台は、同じように打てば同じゲームになります。"));
    m_seedProblem = new QLabel;
    m_seedProblem->hide();
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("設定(&S)"), m_setting);
    form->addRow(QStringLiteral("シード(&D)"), m_seed);
    auto *buttons = okCancel(this, QStringLiteral("新しい台にする"));
    m_ok = buttons->button(QDialogButtonBox::Ok);
    auto *text = new QLabel(question);
    text->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(m_seedProblem);
    layout->addWidget(buttons);
    connect(m_seed, &QLineEdit::textChanged, this, &NewMachineDialog::checkSeed);
    checkSeed();
}

int NewMachineDialog::setting() const { return m_setting->currentData().toInt(); }

std::optional<std::uint64_t> NewMachineDialog::seed() const
{
    return readSeed(m_seed->text()).seed;
}

void NewMachineDialog::checkSeed()
{
    const bool valid = readSeed(m_seed->text()).valid;
    m_seedProblem->setText(valid
            ? QString()
            : QStringLiteral("シードは 0 から 18446744073709551615 までの整数です。"));
    m_seedProblem->setVisible(!valid);
    m_ok->setEnabled(valid);
}

} // namespace ui
