#include "assets/cues.h"

#include <QResource>
#include <QString>

#include "base/cue_ids.h"

std::span<const std::byte> CueBytes(int id)
{
    if (id < kCueWin || id > kCueLoss)
        return {};
    // The sounds are stored uncompressed, so data() points at the bytes compiled into the
    // program and stays valid for its whole run.
    const QResource resource(QStringLiteral(":/sounds/%1.wav").arg(id));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const auto* bytes = reinterpret_cast<const std::byte*>(resource.data());
    return {bytes, static_cast<std::size_t>(resource.size())};
}
