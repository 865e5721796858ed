#pragma once
// Plays the program's short WAV sounds; a missing file or sound device plays nothing.

#include <QObject>
#include <QString>

class QSoundEffect;

namespace sg::platform {

class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(const QString& wavPath, QObject* parent = nullptr);
    // Stops an earlier playback and plays the sound from the start.
    void play();

private:
    void prepare();

    QString m_path;
    QSoundEffect* m_effect = nullptr;
};

} // namespace sg::platform
