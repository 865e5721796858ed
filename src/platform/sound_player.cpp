#include "platform/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace sg::platform {

SoundPlayer::SoundPlayer(const QString& wavPath, QObject* parent)
    : QObject(parent)
    , m_effect(new QSoundEffect(this))
{
    if (QFileInfo(wavPath).isFile())
        m_effect->setSource(QUrl::fromLocalFile(wavPath));
}

void SoundPlayer::play()
{
    if (m_effect->source().isEmpty() || m_effect->status() == QSoundEffect::Error)
        return;
    m_effect->stop();
    m_effect->play();
}

} // namespace sg::platform
