#include "gui/factory/CDlgFactoryMode.h"

#include "core/comm/TransferPlan.h"
#include "core/factory/FactoryCodecs.h"
#include "core/factory/VolumeTable.h"
#include "gui/app/AppContext.h"
#include "gui/controls/CFreqEdit.h"
#include "gui/factory/FactoryPort.h"
#include "gui/factory/FieldNames.h"
#include "gui/ui/ControlIds.h"
#include "gui/ui/Translator.h"
#include "gui/views/BlockFieldControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <iterator>
#include <vector>

namespace tav::gui {
namespace {

using MD = ModelData;

// The radio-information fields the dialog edits; each label carries the number before its field's.
constexpr struct {
    int id;
    ControlKind kind;
    const char* label;
    int row;
    int column;
} kFields[] = {
    {MD::kModelNameEditId, ControlKind::Edit, "Model Name", 0, 0},
    {MD::kSerialNumberEditId, ControlKind::Edit, "Serial Number", 0, 2},
    {MD::kBandListId, ControlKind::ComboBox, "Band", 1, 0},
    {MD::kRangeIdEditId, ControlKind::Edit, "Frequency Range Id", 1, 2},
    {MD::kLowerLimitEditId, ControlKind::Custom, "Lower Limit[MHz]", 2, 0},
    {MD::kUpperLimitEditId, ControlKind::Custom, "Upper Limit[MHz]", 2, 2},
    {MD::kSignalTypeListId, ControlKind::ComboBox, "Signalling Type", 3, 0},
};

/// Where the model data's own fields sit: the label's cell, the control in the next column.
struct Place {
    int controlId;
    int row;
    int column;
};
constexpr Place kPlaces[] = {
    {MD::kOpenChannelListId, 3, 2},      {MD::kOscillatorEditId, 4, 0},
    {MD::kIntermediateEditId, 4, 2},     {MD::kIfDirectionListId, 5, 0},
    {MD::kBuildTypeListId, 5, 2},        {MD::kDisplayListId, 6, 0},
    {MD::kFirstOptionCheckId, 7, 0},     {MD::kFirstOptionCheckId + 1, 7, 1},
    {MD::kFirstOptionCheckId + 2, 7, 2}, {MD::kFirstOptionCheckId + 3, 7, 3},
    {MD::kTuneOpenButtonId, 8, 0},
};
constexpr int kLastRow = 9;

const Place* PlaceOf(const BlockFieldInfo& field) {
    return std::find_if(std::begin(kPlaces), std::end(kPlaces),
                        [&field](const Place& place) { return place.controlId == field.controlId; });
}

/// Every field of the model data's own and shared bytes, in the dialog's order.
std::vector<const BlockField<ModelDataUi>*> ModelFields() {
    std::vector<const BlockField<ModelDataUi>*> fields;
    for (const auto* table : {&MD::OwnFields(), &MD::SharedFields()}) {
        for (const BlockField<ModelDataUi>& field : *table) {
            fields.push_back(&field);
        }
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const auto* a, const auto* b) { return PlaceOf(*a) < PlaceOf(*b); });
    return fields;
}

bool IsList(const BlockFieldInfo& field) {
    return field.listId != 0;
}

/// The tune switch is a pair of radio buttons: Open shows the field, Close its opposite.
void AddTuneSwitch(DialogTemplate& dialog, const BlockFieldInfo& field, const Place& at) {
    dialog.controls.push_back(
        {field.labelId, ControlKind::Label, QString::fromUtf8(field.fallback), at.row, at.column});
    dialog.controls.push_back(
        {MD::kTuneOpenButtonId, ControlKind::RadioButton, QStringLiteral("Open"), at.row, at.column + 1});
    dialog.controls.push_back(
        {MD::kTuneCloseButtonId, ControlKind::RadioButton, QStringLiteral("Close"), at.row, at.column + 2});
}

void AddModelField(DialogTemplate& dialog, const BlockFieldInfo& field) {
    const Place& at = *PlaceOf(field);
    if (field.controlId == MD::kTuneOpenButtonId) {
        AddTuneSwitch(dialog, field, at);
        return;
    }
    dialog.controls.push_back(BlockFieldControls::LabelSpec(field, at.row, at.column));
    if (field.codec != BlockCodec::Check) {
        const ControlKind kind = IsList(field) ? ControlKind::ComboBox : ControlKind::Custom;
        dialog.controls.push_back({field.controlId, kind, {}, at.row, at.column + 1});
    }
}

DialogTemplate FactoryTemplate() {
    DialogTemplate dialog{MD::kDialogId, QStringLiteral("Factory Mode"), {}};
    for (const auto& f : kFields) {
        dialog.controls.push_back(
            {f.id - 1, ControlKind::Label, QString::fromLatin1(f.label), f.row, f.column});
        dialog.controls.push_back({f.id, f.kind, {}, f.row, f.column + 1});
    }
    for (const BlockField<ModelDataUi>* field : ModelFields()) {
        AddModelField(dialog, *field);
        if (field->controlId == MD::kDisplayListId) {
            dialog.controls.push_back({CDlgFactoryMode::kFirmwareEdit - 1, ControlKind::Label,
                                       QStringLiteral("Firmware Version"), 6, 2});
            dialog.controls.push_back({CDlgFactoryMode::kFirmwareEdit, ControlKind::ReadOnlyEdit, {}, 6, 3});
        }
    }
    dialog.controls.push_back({CDlgFactoryMode::kWriteSwitchButton, ControlKind::PushButton,
                               QStringLiteral("Write Tune Switch"), 8, 3});
    dialog.controls.push_back(
        {CDlgFactoryMode::kReadButton, ControlKind::PushButton, QStringLiteral("Read"), kLastRow, 1});
    dialog.controls.push_back(
        {CDlgFactoryMode::kWriteButton, ControlKind::PushButton, QStringLiteral("Write"), kLastRow, 2});
    dialog.controls.push_back(
        {CDlgFactoryMode::kCloseButton, ControlKind::PushButton, QStringLiteral("Close"), kLastRow, 3});
    return dialog;
}

/// The radio areas the model data occupies.
constexpr std::pair<std::size_t, std::size_t> kRadioAreas[] = {{0x10, 0x48}, {0xB5, 0x24}, {0xDE, 0x20}};

QWidget* MakeFreqEdit(const ControlSpec& declared, QWidget* parent, char separator) {
    auto* edit = new CFreqEdit(parent);
    edit->SetDecimalSeparator(separator);
    const bool limits = declared.id == MD::kLowerLimitEditId || declared.id == MD::kUpperLimitEditId;
    edit->SetRange(limits ? 100 : 10, limits ? 999 : 50);
    edit->SetAllowEmpty(false);
    return edit;
}

} // namespace

CDlgFactoryMode::CDlgFactoryMode(AppContext& context, FactoryPort& port, QWidget* parent)
    : QDialog(parent), context_(context), port_(port) {
    auto* layout = new QGridLayout(this);
    const char separator = context_.Settings().DecimalSeparator();
    controls_ = BuildTemplate(FactoryTemplate(), this, layout,
                              [separator](const ControlSpec& declared, QWidget* owner) {
                                  return MakeFreqEdit(declared, owner, separator);
                              });
    TranslateDialog(this, MD::kDialogId, context_.Language());
    SetControlId(this, MD::kDialogId);
    for (const auto& f : kFields) {
        NameAfterLabel(controls_.at(f.id), controls_.at(f.id - 1));
    }
    NameAfterLabel(controls_.at(kFirmwareEdit), controls_.at(kFirmwareEdit - 1));
    for (const BlockField<ModelDataUi>* field : ModelFields()) {
        if (field->labelId != field->controlId && field->controlId != MD::kTuneOpenButtonId) {
            NameAfterLabel(controls_.at(field->controlId), controls_.at(field->labelId));
        }
    }
    qobject_cast<QLineEdit*>(Field(MD::kModelNameEditId))->setMaxLength(12);
    qobject_cast<QLineEdit*>(Field(MD::kSerialNumberEditId))->setMaxLength(16);
    auto* rangeId = qobject_cast<QLineEdit*>(Field(MD::kRangeIdEditId));
    rangeId->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), rangeId));
    ApplyUserLevel();
    const std::pair<int, void (CDlgFactoryMode::*)()> buttons[] = {
        {kReadButton, &CDlgFactoryMode::ReadRadio},
        {kWriteButton, &CDlgFactoryMode::WriteRadio},
        {kWriteSwitchButton, &CDlgFactoryMode::WriteTuneSwitch},
        {kCloseButton, &CDlgFactoryMode::CloseDialog}};
    for (const auto& [id, slot] : buttons) {
        connect(qobject_cast<QPushButton*>(Field(id)), &QPushButton::clicked, this, slot);
    }
    LoadControls();
}

QWidget* CDlgFactoryMode::Field(int controlId) const {
    const auto found = controls_.find(controlId);
    return found == controls_.end() ? nullptr : found->second;
}

void CDlgFactoryMode::ApplyUserLevel() {
    // The identity of the model is changed only at the full factory level.
    const bool full = context_.Settings().IsFullFactoryLevel();
    for (const int id : {MD::kBandListId, MD::kRangeIdEditId, MD::kLowerLimitEditId, MD::kUpperLimitEditId,
                         MD::kSignalTypeListId, MD::kOpenChannelListId}) {
        Field(id)->setEnabled(full);
    }
}

void CDlgFactoryMode::SetComboText(int id, const std::string& text) {
    if (auto* combo = qobject_cast<QComboBox*>(Field(id))) {
        combo->setCurrentIndex(combo->findText(FromLanguage(text)));
    }
}

std::string CDlgFactoryMode::ComboText(int id) const {
    const auto* combo = qobject_cast<const QComboBox*>(Field(id));
    return combo ? ToCore(combo->currentText()) : std::string();
}

void CDlgFactoryMode::LoadControls() {
    CDataContainer& container = context_.Container();
    ModelDataUi ui;
    container.Model().LoadUi(ui, context_.Language(), container.Context());
    qobject_cast<QLineEdit*>(Field(MD::kModelNameEditId))->setText(FromLanguage(ui.modelName));
    qobject_cast<QLineEdit*>(Field(MD::kSerialNumberEditId))->setText(FromLanguage(ui.serialNumber));
    qobject_cast<QLineEdit*>(Field(MD::kRangeIdEditId))->setText(FromLanguage(ui.rangeId));
    for (const auto& [id, bcd] :
         {std::pair{MD::kLowerLimitEditId, ui.lowerLimit}, std::pair{MD::kUpperLimitEditId, ui.upperLimit}}) {
        qobject_cast<CFreqEdit*>(Field(id))->SetBcd(bcd);
    }
    SetComboText(MD::kBandListId, ui.band);
    SetComboText(MD::kSignalTypeListId, ui.signalType);
    for (const BlockField<ModelDataUi>* field : ModelFields()) {
        ShowField(*field, field->slot.get(ui));
    }
}

void CDlgFactoryMode::ShowField(const BlockFieldInfo& field, const BlockValue& value) {
    if (field.controlId == MD::kTuneOpenButtonId) {
        const bool open = std::get<int>(value) != 0;
        qobject_cast<QRadioButton*>(Field(MD::kTuneOpenButtonId))->setChecked(open);
        qobject_cast<QRadioButton*>(Field(MD::kTuneCloseButtonId))->setChecked(!open);
    } else if (field.codec == BlockCodec::Check) {
        qobject_cast<QCheckBox*>(Field(field.controlId))->setChecked(std::get<int>(value) != 0);
    } else if (IsList(field)) {
        SetComboText(field.controlId, std::get<std::string>(value));
    } else {
        qobject_cast<CFreqEdit*>(Field(field.controlId))->SetBcd(FreqFieldBcd(std::get<std::string>(value)));
    }
}

BlockValue CDlgFactoryMode::ShownValue(const BlockFieldInfo& field) const {
    if (field.codec == BlockCodec::Check) {
        return qobject_cast<const QAbstractButton*>(Field(field.controlId))->isChecked() ? 1 : 0;
    }
    if (IsList(field)) {
        return ComboText(field.controlId);
    }
    auto* edit = qobject_cast<CFreqEdit*>(Field(field.controlId));
    edit->Commit();
    return FreqFieldText(edit->GetBcd());
}

void CDlgFactoryMode::StoreControls() {
    ModelDataUi ui;
    ui.modelName = ToCore(qobject_cast<QLineEdit*>(Field(MD::kModelNameEditId))->text());
    ui.serialNumber = ToCore(qobject_cast<QLineEdit*>(Field(MD::kSerialNumberEditId))->text());
    ui.rangeId = ToCore(qobject_cast<QLineEdit*>(Field(MD::kRangeIdEditId))->text());
    BcdFreq* limits[] = {&ui.lowerLimit, &ui.upperLimit};
    const int limitIds[] = {MD::kLowerLimitEditId, MD::kUpperLimitEditId};
    for (int i = 0; i < 2; ++i) {
        auto* edit = qobject_cast<CFreqEdit*>(Field(limitIds[i]));
        edit->Commit();
        *limits[i] = edit->GetBcd();
    }
    ui.band = ComboText(MD::kBandListId);
    ui.signalType = ComboText(MD::kSignalTypeListId);
    for (const BlockField<ModelDataUi>* field : ModelFields()) {
        field->slot.set(ui, ShownValue(*field));
    }
    const VolumeTable volumes = VolumeTable::Load(context_.Settings().Home().dir() / VolumeTable::kFileName);
    CDataContainer& container = context_.Container();
    container.Model().StoreUi(ui, context_.Language(), container.Context(), volumes);
}

RadioImage CDlgFactoryMode::RadioCopy() const {
    RadioImage image;
    image.fill(0xFF);
    for (const auto& [address, length] : kRadioAreas) {
        const auto bytes = context_.Container().Model().RadioBytes(address, length);
        std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(address));
    }
    return image;
}

void CDlgFactoryMode::ReadRadio() {
    RadioImage image = RadioCopy();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report = port_.Link().ReadModelData(port_.Request(TransferDirection::Read), image);
    QApplication::restoreOverrideCursor();
    if (report.identified) {
        qobject_cast<QLineEdit*>(Field(kFirmwareEdit))->setText(FromLanguage(report.identity.firmware));
    }
    if (report.ok()) {
        ModelData& model = context_.Container().Model();
        for (const auto& [address, length] : kRadioAreas) {
            model.TakeRadioBytes(address, std::span(image).subspan(address, length));
        }
        // The data now covers the radio's own limits.
        context_.Settings().SetFreqRange(model.RangeTextFromLimits());
        context_.Doc().UpdateDataContext();
    }
    port_.Tell(this, report);
    LoadControls();
}

void CDlgFactoryMode::WriteRadio() {
    StoreControls();
    const RadioImage image = RadioCopy();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report = port_.Link().WriteModelData(port_.Request(TransferDirection::Write), image);
    QApplication::restoreOverrideCursor();
    if (report.identified) {
        qobject_cast<QLineEdit*>(Field(kFirmwareEdit))->setText(FromLanguage(report.identity.firmware));
    }
    port_.Tell(this, report);
}

void CDlgFactoryMode::WriteTuneSwitch() {
    const bool open = qobject_cast<QRadioButton*>(Field(MD::kTuneOpenButtonId))->isChecked();
    RadioImage image = RadioCopy();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TransferReport report =
        port_.Link().WriteTuneSwitch(port_.Request(TransferDirection::Write), open, image);
    QApplication::restoreOverrideCursor();
    context_.Container().Model().SetTuneSwitchByte(open);
    port_.Tell(this, report);
}

bool CDlgFactoryMode::Confirm(int messageId) const {
    return context_.Prompts().Ask(const_cast<CDlgFactoryMode*>(this), context_.Title(),
                                  context_.Message(messageId), PromptButtons::YesNo,
                                  PromptIcon::Question) == PromptAnswer::Yes;
}

void CDlgFactoryMode::CloseDialog() {
    StoreControls();
    ModelData& model = context_.Container().Model();
    const DataContext& current = context_.Container().Context();
    const IdentityChanges changed = model.CompareIdentity(current);
    constexpr int kNameQuestion = 1225;
    constexpr int kSignalQuestion = 1226;
    constexpr int kRangeQuestion = 1227;
    if (changed.modelName) {
        accepted_.modelName = Confirm(kNameQuestion);
        if (!accepted_.modelName) {
            model.RestoreModelName(current);
        }
    }
    if (changed.range) {
        accepted_.range = Confirm(kRangeQuestion);
        if (!accepted_.range) {
            model.RestoreRange(current);
        }
    }
    if (changed.signalType) {
        accepted_.signalType = Confirm(kSignalQuestion);
        if (!accepted_.signalType) {
            model.RestoreSignalType(current);
        }
    }
    done(QDialog::Accepted);
}

} // namespace tav::gui
