#pragma once

#include "core/comm/TransferSession.h"

namespace tav {

/// The factory functions' traffic with the radio, without any window: the factory connection
/// for tuning and for the tune data, the tune data write, the model data read and write, the
/// manual tune switch and the embedded data read and write.
///
/// Each procedure opens the port, does its work and reports through a `TransferReport` (its
/// status, the language text to show and, for a failed block, the address). Only the factory
/// connection leaves the port open, in the requested mode, for the caller's tuning session;
/// `EndSession` switches the radio back to mode 1 and closes it.
class FactoryLink {
public:
    FactoryLink(SerialPort& port, Clock& clock, FrameTracer* tracer = nullptr);

    RadioLink& link() { return link_; }

    /// Connects for tuning (mode 6) or for the tune data (mode 3): find the radio, identify it,
    /// check it (write rules in mode 3, read rules otherwise); in mode 3 the radio's band must
    /// equal the current range text. Then switch to the mode. The identity and band in the
    /// report are for the caller to take over.
    TransferReport Connect(const TransferRequest& where, LinkMode mode);
    /// SetMode(1) and close the port, whatever happened before.
    void EndSession();

    /// Factory connection in mode 3, then the tune data block (0x1623-0x1836) from the image.
    /// Success: language text 1153. A failed block: 1139, shown without an address.
    TransferReport WriteTuneData(const TransferRequest& where, const RadioImage& image);

    /// Reads the model data areas into the image (no identity check, no password).
    /// Success: 1136; a failed block: 1138 with its address, and the image is left as it was.
    TransferReport ReadModelData(const TransferRequest& where, RadioImage& image);
    /// Writes the model data areas from the image (no identity check, no password).
    /// Success: 1137; a failed block: 1139 with its address.
    TransferReport WriteModelData(const TransferRequest& where, const RadioImage& image);

    /// Sets image byte 0xB5 to the switch state (1 open, 0 closed) and writes that one byte
    /// under mode 2. Success: 1153; failure: 1139.
    TransferReport WriteTuneSwitch(const TransferRequest& where, bool open, RadioImage& image);

    /// Reads the 144 bytes of embedded data (radio 0x1438, image 0x1428) after the read
    /// identity check; radios with firmware above 1.01.10 may ask for the password. The image
    /// is changed only when every block arrived.
    TransferReport ReadEmbeddedData(const TransferRequest& where, RadioImage& image,
                                    const TransferQuestions& questions);
    /// Writes the embedded data from the image (the stored-password question is the caller's).
    TransferReport WriteEmbeddedData(const TransferRequest& where, const RadioImage& image);

private:
    bool Find(const TransferRequest& where, TransferReport& report);
    bool IdentifyRadio(TransferReport& report);
    /// SetMode for a factory transfer where a password request counts as accepted.
    bool EnterModeLenient(LinkMode mode, TransferReport& report);
    TransferReport& Succeed(TransferReport& report, int messageId);

    RadioLink link_;
};

} // namespace tav
