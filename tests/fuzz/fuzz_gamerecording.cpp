// SPDX-License-Identifier: GPL-3.0-or-later
// Any recording: reading never fails but with a reason, what reads well writes back the same, and a re-play
// through each core ends (within its caps) with an outcome or a reason. The first byte chooses what the
// rest is: odd, a whole file as stored or sent; even, a body that the harness wraps into a valid file
// (for the program named by the second byte), so that mutations reach the body and the re-play rather
// than the compressed stream's checksum.
#include <zlib.h>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "frame/gamerecording.h"
#include "quadrelle/recordingplayer.h"
#include "vantorel/recordingplayer.h"
#include "zephlon/recordingplayer.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void PutVarint(QByteArray& out, uint64_t v) {
    while (v >= 0x80) {
        out.append(static_cast<char>((v & 0x7f) | 0x80));
        v >>= 7;
    }
    out.append(static_cast<char>(v));
}

QByteArray Wrap(uint8_t programByte, const uint8_t* body, size_t size) {
    const auto program = static_cast<frame::Program>(programByte % 3);
    QByteArray out("QBGR", 4);
    out.append(static_cast<char>(frame::kRecordingFormatVersion));
    out.append(static_cast<char>(program));
    PutVarint(out, frame::RulesVersion(program));
    PutVarint(out, size);
    uLongf packedSize = compressBound(static_cast<uLong>(size));
    QByteArray packed(static_cast<qsizetype>(packedSize), Qt::Uninitialized);
    require(compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, body, static_cast<uLong>(size),
                      1) == Z_OK);
    packed.truncate(static_cast<qsizetype>(packedSize));
    return out + packed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const QByteArray file =
        (data[0] & 1) ? QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1))
                      : Wrap(data[1], data + 2, size - 2);
    // Caps small enough that a hostile recording costs little here too.
    frame::RecordingLimits limits;
    limits.maxTicks = 20000;
    limits.maxInputs = 20000;
    const frame::DecodeResult decoded = frame::Decode(file, limits);
    require(decoded.ok() == decoded.errorText.isEmpty());
    require(decoded.ok() == (decoded.error == frame::RecordingError::None));
    if (!decoded.ok()) return 0;
    const frame::GameRecording& r = *decoded.recording;
    const frame::DecodeResult again = frame::Decode(frame::Encode(r), limits);
    require(again.ok() && *again.recording == r);
    for (const frame::PlayOutcome& o :
         {zephlon::PlayRecording(r, limits), quadrelle::PlayRecording(r, limits),
          vantorel::PlayRecording(r, limits)}) {
        require(o.ok() == o.errorText.isEmpty());
        require(o.ticks <= r.ticks);
    }
    return 0;
}
