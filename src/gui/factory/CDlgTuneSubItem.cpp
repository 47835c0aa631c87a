#include "gui/factory/CDlgTuneSubItem.h"

#include "core/comm/RadioLink.h"
#include "core/lang/CLanguage.h"
#include "core/lang/NoTextLookup.h"
#include "gui/app/AppContext.h"
#include "gui/factory/FieldNames.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>

namespace tav::gui {
namespace {

constexpr int kNoAnswer = 1143;
constexpr int kValueRefused = 1155;
constexpr int kValueNotRead = 1156;
constexpr int kNoTabNames = 1168;
constexpr int kRxLabel = 7060;
constexpr int kTxLabel = 7062;
constexpr int kMinimumText = 7079;
constexpr int kVolumeMinText = 7083;
constexpr int kVolumeMaxText = 7082;
constexpr int kTestOnA = 7091;
constexpr int kTestOffA = 7092;
constexpr int kTestOnB = 7093;
constexpr int kTestOffB = 7094;

DialogTemplate SubItemTemplate() {
    using D = CDlgTuneSubItem;
    return {D::kTemplateId,
            QStringLiteral("Tuning Item"),
            {{D::kWideButton, ControlKind::RadioButton, QStringLiteral("Width"), 0, 0},
             {D::kMiddleButton, ControlKind::RadioButton, QStringLiteral("Middle"), 0, 1},
             {D::kNarrowButton, ControlKind::RadioButton, QStringLiteral("Narrow"), 0, 2},
             {kRxLabel, ControlKind::Label, QStringLiteral("RX Frequency"), 1, 0},
             {D::kRxText, ControlKind::ReadOnlyEdit, {}, 1, 1, 1, 2},
             {kTxLabel, ControlKind::Label, QStringLiteral("TX Frequency"), 2, 0},
             {D::kTxText, ControlKind::ReadOnlyEdit, {}, 2, 1, 1, 2},
             {D::kPointTabs, ControlKind::Custom, {}, 3, 0, 1, 3},
             {D::kCurrentText, ControlKind::Label, QStringLiteral("Current:"), 4, 0, 1, 3},
             {kMinimumText, ControlKind::Label, QStringLiteral("0"), 5, 0},
             {D::kValueBar, ControlKind::Custom, {}, 5, 1},
             {D::kMaximumText, ControlKind::Label, {}, 5, 2},
             {D::kVolumeText, ControlKind::Label, QStringLiteral("Volume:"), 6, 0, 1, 3},
             {kVolumeMinText, ControlKind::Label, QStringLiteral("0"), 7, 0},
             {D::kVolumeBar, ControlKind::Custom, {}, 7, 1},
             {kVolumeMaxText, ControlKind::Label, QStringLiteral("255"), 7, 2},
             {D::kTestSwitch, ControlKind::PushButton, QStringLiteral("Test Off"), 8, 0},
             {D::kOkButton, ControlKind::PushButton, QStringLiteral("OK"), 9, 1},
             {D::kCancelButton, ControlKind::PushButton, QStringLiteral("Cancel"), 9, 2}}};
}

QWidget* MakeCustom(const ControlSpec& declared, QWidget* parent) {
    if (declared.id == CDlgTuneSubItem::kPointTabs) {
        return new QTabBar(parent);
    }
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setMinimumWidth(320);
    return bar;
}

/// The first of the five point codes of a spacing.
std::uint32_t SpacingBase(std::uint32_t itemCode, TuningSpacing spacing) {
    switch (spacing) {
    case TuningSpacing::Wide:
        return itemCode;
    case TuningSpacing::Middle:
        return itemCode + 5;
    case TuningSpacing::Narrow:
        return itemCode + 10;
    }
    return itemCode;
}

QString WithoutColon(QString text) {
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) {
        text.chop(1);
    }
    return text;
}

} // namespace

CDlgTuneSubItem::CDlgTuneSubItem(AppContext& context, RadioLink& radio, Item item, std::uint16_t firstValue,
                                 QWidget* parent)
    : QDialog(parent), context_(context), radio_(radio), item_(std::move(item)) {
    const auto tune = context_.Container().Tune().Bytes();
    std::copy(tune.begin(), tune.end(), working_.begin());
    freqs_ = context_.Container().TestFreqs().ToTexts(context_.Settings().DecimalSeparator());
    spacing_ = item_.points.InitialSpacing();
    for (QTimer* timer : {&valueSettle_, &volumeSettle_}) {
        timer->setSingleShot(true);
        timer->setInterval(kSettleMs);
    }
    BuildControls();
    ConnectControls();
    setWindowTitle(item_.caption);
    quiet_ = true;
    const bool tabs = BuildTabs();
    quiet_ = false;
    if (!tabs) {
        Fail(kNoTabNames);
        return;
    }
    ShowValue(firstValue);
    sentValue_ = firstValue;
    valueBar_->setFocus();
}

QWidget* CDlgTuneSubItem::Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QString CDlgTuneSubItem::Text(int id, const char* fallback) const {
    return context_.ControlText(id, QString::fromLatin1(fallback));
}

void CDlgTuneSubItem::BuildControls() {
    auto* layout = new QGridLayout(this);
    controls_ = BuildTemplate(SubItemTemplate(), this, layout, MakeCustom);
    TranslateDialog(this, kTemplateId, context_.Language());
    SetControlId(this, kTemplateId);
    valueBar_ = qobject_cast<QScrollBar*>(Control(kValueBar));
    volumeBar_ = qobject_cast<QScrollBar*>(Control(kVolumeBar));
    tabs_ = qobject_cast<QTabBar*>(Control(kPointTabs));
    testSwitch_ = qobject_cast<QPushButton*>(Control(kTestSwitch));
    testSwitch_->setCheckable(true);
    NameAfterLabel(Control(kRxText), Control(kRxLabel));
    NameAfterLabel(Control(kTxText), Control(kTxLabel));
    valueBar_->setAccessibleName(WithoutColon(Text(kCurrentText, "Current:")));
    volumeBar_->setAccessibleName(WithoutColon(Text(kVolumeText, "Volume:")));
    tabs_->setAccessibleName(Text(kPointTabs, "Points"));

    const int maximum = TuningItemMaximum(item_.code);
    valueBar_->setRange(0, maximum);
    valueBar_->setSingleStep(1);
    valueBar_->setPageStep(10);
    qobject_cast<QLabel*>(Control(kMaximumText))->setText(QString::number(maximum));
    volumeBar_->setRange(0, 255);
    volumeBar_->setSingleStep(8);
    volumeBar_->setPageStep(24);
    volumeBar_->setValue(128);
    qobject_cast<QLabel*>(Control(kVolumeText))
        ->setText(Text(kVolumeText, "Volume:") + QStringLiteral(" 128"));
    // The volume belongs to items that have one; the test switch to the others.
    volumeBar_->setEnabled(item_.points.hasVolume);
    testSwitch_->setEnabled(!item_.points.hasVolume);
    ShowSpacingButtons();
    ShowTestSwitch();
    qobject_cast<QPushButton*>(Control(kOkButton))->setDefault(true);
}

void CDlgTuneSubItem::ConnectControls() {
    connect(valueBar_, &QScrollBar::valueChanged, this, [this](int value) {
        ShowValue(value);
        if (!quiet_ && !valueBar_->isSliderDown()) {
            valueSettle_.start();
        }
    });
    connect(valueBar_, &QScrollBar::sliderReleased, this, &CDlgTuneSubItem::SendValue);
    connect(&valueSettle_, &QTimer::timeout, this, &CDlgTuneSubItem::SendValue);
    connect(volumeBar_, &QScrollBar::valueChanged, this, [this](int value) {
        qobject_cast<QLabel*>(Control(kVolumeText))
            ->setText(Text(kVolumeText, "Volume:") + QLatin1Char(' ') + QString::number(value));
        if (!volumeBar_->isSliderDown()) {
            volumeSettle_.start();
        }
    });
    connect(volumeBar_, &QScrollBar::sliderReleased, this, &CDlgTuneSubItem::SendVolume);
    connect(&volumeSettle_, &QTimer::timeout, this, &CDlgTuneSubItem::SendVolume);
    connect(tabs_, &QTabBar::currentChanged, this, &CDlgTuneSubItem::ChooseTab);
    connect(testSwitch_, &QPushButton::clicked, this, &CDlgTuneSubItem::ToggleTestSwitch);
    connect(qobject_cast<QPushButton*>(Control(kOkButton)), &QPushButton::clicked, this,
            &CDlgTuneSubItem::accept);
    connect(qobject_cast<QPushButton*>(Control(kCancelButton)), &QPushButton::clicked, this,
            &CDlgTuneSubItem::reject);
    const std::pair<int, TuningSpacing> spacings[] = {{kWideButton, TuningSpacing::Wide},
                                                      {kMiddleButton, TuningSpacing::Middle},
                                                      {kNarrowButton, TuningSpacing::Narrow}};
    for (const auto& [id, spacing] : spacings) {
        connect(qobject_cast<QRadioButton*>(Control(id)), &QRadioButton::clicked, this,
                [this, s = spacing] { ChooseSpacing(s); });
    }
}

void CDlgTuneSubItem::ShowSpacingButtons() {
    const TuningItemPoints& p = item_.points;
    auto* wide = Control(kWideButton);
    auto* middle = Control(kMiddleButton);
    auto* narrow = Control(kNarrowButton);
    if (!p.middle.empty()) {
        middle->setVisible(true);
        wide->setEnabled(!p.wide.empty());
        middle->setEnabled(true);
        narrow->setEnabled(!p.narrow.empty());
    } else {
        middle->setVisible(false);
        const bool both = !p.wide.empty() && !p.narrow.empty();
        wide->setEnabled(both);
        narrow->setEnabled(both);
    }
    const int checked = spacing_ == TuningSpacing::Wide     ? kWideButton
                        : spacing_ == TuningSpacing::Middle ? kMiddleButton
                                                            : kNarrowButton;
    qobject_cast<QRadioButton*>(Control(checked))->setChecked(true);
}

bool CDlgTuneSubItem::BuildTabs() {
    const std::vector<ListItem> names = context_.Language().ListItems(kPointTabs);
    while (tabs_->count() > 0) {
        tabs_->removeTab(0);
    }
    const std::uint32_t base = SpacingBase(item_.code, spacing_);
    for (const std::uint16_t point : item_.points.Of(spacing_)) {
        const std::size_t index = point - base;
        if (index >= names.size()) {
            return false;
        }
        const int tab = tabs_->addTab(FromLanguage(names[index].text));
        tabs_->setTabData(tab, point);
    }
    tabs_->setCurrentIndex(0);
    ShowTestSwitch();
    return tabs_->count() > 0;
}

std::uint16_t CDlgTuneSubItem::CurrentPoint() const {
    const int tab = tabs_->currentIndex();
    return tab < 0 ? 0 : static_cast<std::uint16_t>(tabs_->tabData(tab).toUInt());
}

void CDlgTuneSubItem::ShowValue(int value) {
    const QSignalBlocker still(valueBar_);
    valueBar_->setValue(value);
    qobject_cast<QLabel*>(Control(kCurrentText))
        ->setText(Text(kCurrentText, "Current:") + QLatin1Char(' ') + QString::number(valueBar_->value()));
    const std::size_t i = CurrentPoint() - SpacingBase(item_.code, spacing_);
    if (i < TestFreqData::kTuningCount) {
        qobject_cast<QLineEdit*>(Control(kRxText))
            ->setText(QString::fromStdString(freqs_[TestFreqData::TuningRxText(i)]));
        qobject_cast<QLineEdit*>(Control(kTxText))
            ->setText(QString::fromStdString(freqs_[TestFreqData::TuningTxText(i)]));
    }
}

char CDlgTuneSubItem::Selector() const {
    return TestSwitchSelector(CurrentPoint());
}

void CDlgTuneSubItem::ShowTestSwitch() {
    const bool on = testSwitch_->isChecked();
    const bool a = Selector() == 'a';
    const int caption = a ? (on ? kTestOnA : kTestOffA) : (on ? kTestOnB : kTestOffB);
    const char* fallback = a ? (on ? "Test On" : "Test Off") : (on ? "Test B On" : "Test B Off");
    testSwitch_->setText(Text(caption, fallback));
}

void CDlgTuneSubItem::ToggleTestSwitch() {
    const bool on = testSwitch_->isChecked();
    const bool sent = radio_.TestSwitch(static_cast<std::uint8_t>(Selector()), on ? 1 : 0);
    if (on && !sent) {
        testSwitch_->setChecked(false);
    }
    ShowTestSwitch();
}

void CDlgTuneSubItem::ChooseSpacing(TuningSpacing spacing) {
    if (ending_ || item_.points.Of(spacing).empty()) {
        return;
    }
    FlushPending();
    spacing_ = spacing;
    quiet_ = true;
    const bool tabs = BuildTabs();
    quiet_ = false;
    if (!tabs) {
        Fail(kNoTabNames);
        return;
    }
    ReadCurrentValue();
}

void CDlgTuneSubItem::ChooseTab(int index) {
    if (quiet_ || ending_ || index < 0) {
        return;
    }
    FlushPending();
    ShowTestSwitch();
    ReadCurrentValue();
}

bool CDlgTuneSubItem::ReadCurrentValue() {
    std::array<std::uint8_t, 2> data{};
    switch (radio_.ReadTuneValue(CurrentPoint(), data)) {
    case TuneRead::Read:
        sentValue_ = (data[0] << 8) | data[1];
        ShowValue(sentValue_);
        return true;
    case TuneRead::NoTuningMode:
        Fail(kNoAnswer);
        return false;
    case TuneRead::Failed:
        Fail(kValueNotRead);
        return false;
    }
    return false;
}

void CDlgTuneSubItem::FlushPending() {
    if (valueSettle_.isActive()) {
        SendValue();
    }
    if (volumeSettle_.isActive()) {
        SendVolume();
    }
}

void CDlgTuneSubItem::SendValue() {
    valueSettle_.stop();
    const int value = valueBar_->value();
    if (ending_ || value == sentValue_) {
        return;
    }
    const std::uint16_t point = CurrentPoint();
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(value >> 8),
                                           static_cast<std::uint8_t>(value & 0xFF)};
    if (const BlockField<TuneUi>* field = TuneData::FieldOfPoint(point)) {
        EncodeBlockField(*field, BlockValue(value), working_, NoTextLookup::Instance());
    }
    if (!radio_.WriteTuneValue(point, data)) {
        // A radio that still answers the mode request refused the value; otherwise it is gone.
        Fail(radio_.SetMode(LinkMode::Tune) == ModeAnswer::NoAnswer ? kNoAnswer : kValueRefused);
        return;
    }
    sentValue_ = value;
}

void CDlgTuneSubItem::SendVolume() {
    volumeSettle_.stop();
    const int volume = volumeBar_->value();
    if (ending_ || volume == sentVolume_) {
        return;
    }
    const std::array<std::uint8_t, 2> data{static_cast<std::uint8_t>(volume >> 8),
                                           static_cast<std::uint8_t>(volume & 0xFF)};
    if (!radio_.WriteTuneValue(kVolumePoint, data)) {
        Fail(radio_.SetMode(LinkMode::Tune) == ModeAnswer::NoAnswer ? kNoAnswer : kValueRefused);
        return;
    }
    sentVolume_ = volume;
}

void CDlgTuneSubItem::Fail(int messageId) {
    if (ending_) {
        return;
    }
    failure_ = messageId;
    ending_ = true;
    valueSettle_.stop();
    volumeSettle_.stop();
    // Nothing sent since the last commit may stay in force.
    radio_.DiscardTuning();
    QDialog::reject();
}

void CDlgTuneSubItem::accept() {
    if (ending_) {
        return;
    }
    FlushPending();
    if (ending_) {
        return;
    }
    ending_ = true;
    if (radio_.CommitTuning()) {
        TuneData& tune = context_.Container().Tune();
        std::copy(working_.begin(), working_.end(), tune.Bytes().begin());
        tune.StoreToImage(context_.Container().image());
    }
    QDialog::accept();
}

void CDlgTuneSubItem::reject() {
    if (ending_) {
        QDialog::reject();
        return;
    }
    ending_ = true;
    valueSettle_.stop();
    volumeSettle_.stop();
    radio_.DiscardTuning();
    QDialog::reject();
}

} // namespace tav::gui
