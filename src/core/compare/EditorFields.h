#pragma once

#include "core/app/CDataContainer.h"
#include "core/compare/FieldTable.h"

namespace tav {

// The fields of each editor as the compare and the configuration report name them: the editor's
// label and the value text as the editor shows it. The tables are defined beside the compare.
const FieldTable<ChannelUi>& ChannelFields();
const FieldTable<PersonalityUi>& PersonalityFields();
const FieldTable<ScanSettingsUi>& ScanSettingsFields();
const FieldTable<ScanMembersUi>& ScanMemberFields();
const FieldTable<KeysUi>& KeysFields();
const FieldTable<MiscUi>& MiscFields();
const FieldTable<AtisUi>& AtisFields();
const FieldTable<DosUi>& DosFields();
const FieldTable<PttIdUi>& PttIdFields();
const FieldTable<PasswordsUi>& PasswordFields();
const FieldTable<RadioInfoUi>& RadioInfoFields();
const FieldTable<AlertToneUi>& AlertToneFields();
const FieldTable<TwoToneSystemBasicUi>& TwoToneSystemFields();
const FieldTable<TwoToneSystemAdvanceUi>& TwoToneAdvanceFields();
const FieldTable<TwoToneCallUi>& TwoToneCallFields();

// The bytes of each record or block that no field above holds (ReservedBytes). Together with the
// fields' bytes they cover each record exactly once.
const ReservedBytes& PersonalityReserved();
const ReservedBytes& ScanListReserved();
const ReservedBytes& KeysReserved();
const ReservedBytes& MiscReserved();
const ReservedBytes& AtisReserved();
const ReservedBytes& DosReserved();
const ReservedBytes& PttIdReserved();
const ReservedBytes& PasswordsReserved();
const ReservedBytes& RadioInfoReserved();
const ReservedBytes& AlertToneReserved();
const ReservedBytes& TwoToneSystemReserved();
const ReservedBytes& TwoToneCallReserved();

} // namespace tav
