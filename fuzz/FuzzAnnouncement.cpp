// Random bytes as the announcement a starting instance sends to the primary: the header must
// refuse lengths the primary should never allocate, and a body accepted for a guard name must
// be exactly what a real instance of that name would send.
#include "FuzzCheck.h"
#include "GuardAnnouncement.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace {
const QString GuardName = QStringLiteral("fuzzGuard");
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));

    qint64 bodyLength = -1;
    if (GuardAnnouncement::ReadHeader(bytes, &bodyLength))
        Check(bodyLength >= 0 && bodyLength <= GuardAnnouncement::MaxBodySize);

    const QByteArray body = bytes.mid(GuardAnnouncement::HeaderSize);
    GuardAnnouncement::Fields fields;
    GuardAnnouncement::ParseBody(body, &fields);
    if (GuardAnnouncement::AcceptBody(body, GuardName, &fields)) {
        const auto kind = static_cast<GuardAnnouncement::ConnectKind>(fields.kind);
        Check(GuardAnnouncement::BuildBody(GuardName, kind, fields.instanceId) == body);
    }
    return 0;
}
