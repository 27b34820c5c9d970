#include "audio/VoiceChangerControls.h"

namespace verbalink {

void VoiceChangerControls::setMusicFile(const QString& path)
{
    {
        std::lock_guard lock(m_pathLock);
        m_musicFile = path;
    }
    m_musicRestart = true;
}

QString VoiceChangerControls::musicFile() const
{
    std::lock_guard lock(m_pathLock);
    return m_musicFile;
}

bool VoiceChangerControls::changesVoice() const
{
    return preset() != voicechoices::NoPreset || effect() != voicechoices::NoEffect ||
           (musicOn() && musicFile().size() >= 2);
}

} // namespace verbalink
