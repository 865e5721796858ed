#include "platform/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace sg::platform {

namespace {
// Opening the sound device can take a while: it is done once the program has started.
constexpr int kPrepareDelayMs = 3000;
} // namespace

SoundPlayer::SoundPlayer(const QString& wavPath, QObject* parent)
    : QObject(parent)
    , m_path(wavPath)
{
    QTimer::singleShot(kPrepareDelayMs, this, &SoundPlayer::prepare);
}

void SoundPlayer::prepare()
{
    if (m_effect)
        return;
    m_effect = new QSoundEffect(this);
    if (QFileInfo(m_path).isFile())
        m_effect->setSource(QUrl::fromLocalFile(m_path));
}

void SoundPlayer::play()
{
    prepare();
    if (m_effect->source().isEmpty() || m_effect->status() == QSoundEffect::Error)
        return;
    m_effect->stop();
    m_effect->play();
}

} // namespace sg::platform
