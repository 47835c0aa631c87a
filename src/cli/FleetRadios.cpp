#include "cli/FleetRadios.h"

#include "cli/ArgList.h"
#include "core/comm/PortTable.h"
#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {
void PrintFleetTotal(std::ostream& out, int done, int failed, const std::string& doneWord,
                     const std::string& failedWord, bool stopped, bool interrupted) {
    const int total = done + failed;
    out << total << (total == 1 ? " radio: " : " radios: ") << done << ' ' << doneWord << ", " << failed
        << ' ' << failedWord << (stopped ? ", run stopped" : "") << (interrupted ? ", interrupted" : "")
        << std::endl;
}

std::vector<FleetRadio> FleetRadios(const ArgList& args, const PortTable& ports) {
    std::vector<FleetRadio> radios;
    for (const auto& [name, value] : args.GetAll({"--port", "--device"})) {
        if (name == "--port") {
            radios.push_back(
                {value, RadioTarget{ports.DevicePath(*PortTable::ParsePortNumber(value)), std::nullopt}});
        } else {
            radios.push_back({value, RadioTarget{value, std::nullopt}});
        }
    }
    return radios;
}

} // namespace tav::cli
