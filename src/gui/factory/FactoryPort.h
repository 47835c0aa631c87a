#pragma once

#include "core/comm/CSerialPort.h"
#include "core/comm/Clock.h"
#include "core/comm/FactoryLink.h"

#include <QString>
#include <memory>

class QWidget;

namespace tav::gui {

class AppContext;

/// The one serial port the factory functions share, with its link. The request it builds names
/// the simulated radio's device when the program runs with one, and otherwise the port table of
/// the settings with the remembered port first.
class FactoryPort {
public:
    explicit FactoryPort(AppContext& context);
    ~FactoryPort();
    FactoryPort(const FactoryPort&) = delete;
    FactoryPort& operator=(const FactoryPort&) = delete;

    FactoryLink& Link() { return link_; }
    RadioLink& Radio() { return link_.link(); }
    /// Where to find the radio and how to check it, from the current settings.
    TransferRequest Request(TransferDirection direction) const;
    /// Remembers the port on which the radio answered.
    void RememberPort(const TransferReport& report);

    /// The message of a finished factory transfer (nothing when it has none), with its detail
    /// (the failed block's address or the radio's range) filled in.
    void Tell(QWidget* parent, const TransferReport& report) const;

private:
    AppContext& context_;
    CSerialPort port_;
    SystemClock clock_;
    FactoryLink link_;
};

/// What a factory connection takes over from the radio it found: its model identifier, name,
/// signalling type, firmware version and frequency range become the current ones, the range is
/// offered to the model list. A factory connection also closes the editors and starts the test
/// frequencies again from the new range; a read of the embedded data only refreshes the window.
enum class IdentityTakeOver { FactoryConnection, EmbeddedRead };
void TakeOverRadioIdentity(QWidget* mainWindow, AppContext& context, const TransferReport& report,
                           IdentityTakeOver kind = IdentityTakeOver::FactoryConnection);

} // namespace tav::gui
