// Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/: small inputs made
// from the program's own defaults, the shipped resource files and the link's own frames.
// Run by fuzz/run.sh --seeds; the output is kept in the repository.
#include "core/app/CDataContainer.h"
#include "core/comm/LinkFrame.h"
#include "core/csv/ChannelCsv.h"
#include "core/data/CDataFile.h"
#include "core/lang/CLanguage.h"
#include "core/platform/PrivateProfile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace tav;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

fs::path g_out;

void Put(const std::string& target, const std::string& name, const Bytes& bytes) {
    const fs::path dir = g_out / target;
    fs::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Put(const std::string& target, const std::string& name, const std::string& text) {
    Put(target, name, Bytes(text.begin(), text.end()));
}

std::string Resource(const std::string& name) {
    std::ifstream in(fs::path(TAV_RESOURCE_DIR) / name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Append(Bytes& to, const Bytes& bytes) {
    to.insert(to.end(), bytes.begin(), bytes.end());
}

Image DefaultImage() {
    const CLanguage language(fs::path(TAV_RESOURCE_DIR) / "TAV_E.lng",
                             [] { return std::string("TAV-V300"); });
    CDataContainer container;
    container.Context().texts = &language;
    container.ClearLists();
    container.CreateDefaults();
    container.StoreAll();
    return container.image();
}

DataFileHeader::Bytes Header() {
    DataFileHeader header;
    header.modelId = "TAV-V300";
    header.modelName = "TAV 310";
    header.lowMHz = 136;
    header.highMHz = 174;
    header.firmware = "1.04.01";
    header.rangeFlags = 0x80;
    return header.ToBytes();
}

void DataFileSeeds(const Image& image) {
    const auto header = Header();
    const Bytes none;
    Put("fuzz_data_file", "default.dat", CDataFile::Compose(header, "Default data", none, image));
    Put("fuzz_data_file", "short-image.dat",
        CDataFile::Compose(header, "", none, std::span(image).first(64)));
    const Bytes extra = {1, 2, 3, 4};
    Put("fuzz_data_file", "extra.dat", CDataFile::Compose(header, "c", extra, std::span(image).first(16)));
    // Without the extra section.
    Bytes bare = CDataFile::Compose(header, "x", none, std::span(image).first(8));
    bare.erase(bare.begin() + static_cast<long>(CDataFile::kBodyOffset + 8 + 1),
               bare.begin() + static_cast<long>(CDataFile::kBodyOffset + 8 + 1 + 8));
    Put("fuzz_data_file", "no-extra.dat", bare);
    Bytes truncated = CDataFile::Compose(header, "t", none, std::span(image).first(32));
    truncated.resize(truncated.size() - 5);
    Put("fuzz_data_file", "truncated.dat", truncated);
    Put("fuzz_data_file", "magic-only.dat", std::string("TAV"));
}

void ContainerSeeds(const Image& image) {
    Put("fuzz_container", "default.img", Bytes(image.begin(), image.end()));
    Put("fuzz_container", "mapped-part.img", Bytes(image.begin(), image.begin() + 0x1200));
    Bytes zeros(kImageSize, 0);
    Put("fuzz_container", "zeros.img", zeros);
    Put("fuzz_container", "erased.img", Bytes(16, 0xFF));
}

/// The compare's input: edits (count, then address and value each), then the first image.
void CompareSeeds(const Image& image) {
    const auto seed = [&image](const Bytes& edits, std::size_t imageBytes) {
        Bytes bytes{static_cast<std::uint8_t>(edits.size() / 3)};
        Append(bytes, edits);
        bytes.insert(bytes.end(), image.begin(), image.begin() + static_cast<long>(imageBytes));
        return bytes;
    };
    Put("fuzz_compare", "equal.bin", seed({}, kImageSize));
    // A channel's frequency, a personality's flags byte, a password's tail and embedded data.
    Put("fuzz_compare", "fields.bin",
        seed({0x89, 0x02, 0x13, 0xE1, 0x0B, 0x80, 0x77, 0x02, 0x31, 0x30, 0x14, 0x00}, kImageSize));
    Put("fuzz_compare", "mapped-part.bin", seed({0x10, 0x00, 0x41, 0x9B, 0x11, 0x03}, 0x1200));
}

void ProfileSeeds() {
    Put("fuzz_private_profile", "language.ini", "\x01" + Resource("TAV_E.lng").substr(0, 3000));
    Put("fuzz_private_profile", "model.ini", "\x13" + Resource("Model.dat"));
    Put("fuzz_private_profile", "volume.ini", "\x22" + Resource("volume.ini"));
    Put("fuzz_private_profile", "settings.ini",
        std::string("\x05") + "[Setting]\r\nLanguage=0\r\nPort=3\r\n\r\n[User Mode]\r\nLevel=1\r\n");
    Put("fuzz_private_profile", "odd-lines.ini",
        std::string("\x30") +
            "\xEF\xBB\xBFk=0\n[A]\nk=1\nK=2\n j = 3 \nx\n; c\n=v\nm=\"q\"\n[Broken\nk=9\n[ b ]\nj=4");
}

void ListTextSeeds() {
    Put("fuzz_list_text", "value-items.txt", std::string("On\n1\n0.Off;1.On;2.Scan, with text"));
    Put("fuzz_list_text", "range.txt", std::string("15\n3\n0:5:20:1:0:1:0"));
    Put("fuzz_list_text", "decimals.txt", std::string("1.0\n2\n5:5:50:10:1:1:1"));
    Put("fuzz_list_text", "mixed.txt",
        std::string("12.5\n12\n12.Text.with.dots;0:25:100:100:20:2:2;x;:5;.7"));
    // Every list and range of the shipped language file.
    int n = 0;
    for (const auto& [key, value] :
         PrivateProfile::ReadSection(fs::path(TAV_RESOURCE_DIR) / "TAV_E.lng", "Setting")) {
        if (key.rfind("S02", 0) == 0 &&
            (value.find(';') != std::string::npos || value.find(':') != std::string::npos)) {
            Put("fuzz_list_text", "lng-" + key + ".txt", "1\n" + std::to_string(n++ % 5) + "\n" + value);
        }
    }
}

void LinkSeeds() {
    // Procedure byte: bits 0-2 the procedure, bit 3 a password, bits 4-5 the answers, bit 6 the
    // factory level or mode 3, bit 7 the firmware note declined. Empty script: a correct radio.
    const std::uint8_t procedures[] = {0x00, 0x01, 0x02, 0x42, 0x03, 0x04, 0x05,
                                       0x06, 0x07, 0x38, 0x19, 0x29, 0x41};
    for (const std::uint8_t p : procedures) {
        char name[32];
        std::snprintf(name, sizeof name, "procedure-%02x.bin", p);
        Put("fuzz_link_reply", name, Bytes{p, 0x00, 0x00});
    }
    // A read whose replies are cut, spoiled, replaced and swallowed now and then.
    Put("fuzz_link_reply", "tampered-read.bin",
        Bytes{0x00, 0x00, 0x00, 0,    0,    4,    3, 0, 5, 7, 0x40, 6, 6,
              2,    0x41, 0x61, 0x50, 0x61, 0x03, 7, 7, 7, 0, 1,    2});
    Put("fuzz_link_reply", "foreign-radio.bin", Bytes{0x00, 0x09, 0x81});
}

void SimSeeds() {
    Bytes stream;
    auto piece = [&stream](const Bytes& frame) {
        stream.push_back(static_cast<std::uint8_t>(frame.size()));
        Append(stream, frame);
    };
    const Bytes block(32, 0x5A);
    piece(frame::Handshake());
    piece(frame::SetMode(2));
    piece(frame::ReadInfo(frame::kInfoModelName));
    piece(frame::ReadInfo(frame::kInfoBand));
    piece(frame::ReadInfo(frame::kInfoVersion));
    piece(frame::ReadMemory(0x0100, 32));
    piece(frame::SetMode(3));
    piece(frame::WriteMemory(0x0100, block));
    piece(frame::SendPassword("1234", PasswordKind::Write));
    piece(frame::SetMode(6));
    piece(frame::ReadTuneValue(1));
    const Bytes tune = {0x12, 0x34};
    piece(frame::WriteTuneValue(1, tune));
    piece(frame::TestSwitch(3, 1));
    piece(frame::CommitTuning());
    piece(frame::DiscardTuning());
    piece(frame::SetMode(1));
    Bytes plain = {0x00, 0x00};
    Append(plain, stream);
    Put("fuzz_sim_request", "session.bin", plain);
    Bytes locked = {0x01, 0x00};
    Append(locked, stream);
    Put("fuzz_sim_request", "password.bin", locked);
    Bytes faulty = {0x04, 0xC9};
    Append(faulty, stream);
    Put("fuzz_sim_request", "faults.bin", faulty);
    // The same requests cut into pieces of 3 bytes, with noise and a quiet line between.
    Bytes flat;
    for (std::size_t i = 0; i < stream.size();) {
        const std::size_t n = stream[i];
        flat.insert(flat.end(), stream.begin() + static_cast<long>(i + 1),
                    stream.begin() + static_cast<long>(i + 1 + n));
        i += n + 1;
    }
    Bytes chopped = {0x00, 0x00, 2, 0x55, 0x02, 0};
    for (std::size_t i = 0; i < flat.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, flat.size() - i);
        chopped.push_back(static_cast<std::uint8_t>(n));
        chopped.insert(chopped.end(), flat.begin() + static_cast<long>(i),
                       flat.begin() + static_cast<long>(i + n));
    }
    Put("fuzz_sim_request", "chopped.bin", chopped);
}

/// Channel CSV files: the channel list's own export, the common layout, and files that are refused
/// in every way a row can be.
void ChannelCsvSeeds() {
    const CLanguage language(fs::path(TAV_RESOURCE_DIR) / "TAV_E.lng",
                             [] { return std::string("TAV-V300"); });
    CDataContainer container;
    container.Context().texts = &language;
    container.CreateDefaults();
    container.StoreAll();
    container.LoadAll();
    Put("fuzz_channel_csv", "export.csv", ExportChannelCsv(container, language));
    Put("fuzz_channel_csv", "common.csv",
        std::string("\xEF\xBB\xBFLocation;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;"
                    "DtcsPolarity;Mode;Power\n"
                    "0;146.520000;;0.000000;Tone;88.5;88.5;023;NN;FM;High\n"
                    "1;147.000000;+;0.600000;TSQL;88.5;100.0;023;NN;NFM;Low\n"
                    "2;145.500000;-;0.600000;DTCS;88.5;88.5;754;RN;FM;High\n"
                    "3;146.000000;split;146.600000;;88.5;88.5;023;NN;FM;High\n"
                    "4;446.000000;off;0;Cross;88.5;88.5;023;XX;AM;High\n"));
    Put("fuzz_channel_csv", "refused.csv",
        std::string("No.,RX Frequency (MHz),RX Signal Type,RX CTCSS (Hz),RX CDCSS,TX Frequency (MHz),"
                    "Channel Spacing,Personality,Scan List,Auto Start Scan\n"
                    "1,146.52,CTCSS,39.9,,146.52,12.5 kHz,1,None,Off\n"
                    "2,146.5213,CDCSS,,8,,25 kHz,9,3,2\n"
                    "3,\"146,52\",Tone,,,\"a \"\"b\"\"\nc\",x,1,1,On\n"
                    "4,146\x1B[2J,,,,\xC3\x28,,,,\n\n\n"
                    "5,174.00000,CTCSS,300.0,,136.00000,12.5 kHz,1,None,1\n"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    g_out = argv[1];
    const Image image = DefaultImage();
    DataFileSeeds(image);
    ContainerSeeds(image);
    CompareSeeds(image);
    ProfileSeeds();
    ListTextSeeds();
    LinkSeeds();
    SimSeeds();
    ChannelCsvSeeds();
    return 0;
}
