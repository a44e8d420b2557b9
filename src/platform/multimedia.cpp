#include "platform/multimedia.h"

void SilentSoundBackend::sendCommand(const QString &, QString *reply)
{
    if (reply)
        reply->clear();
}

void SilentSoundBackend::playWave(const QString &)
{
}
