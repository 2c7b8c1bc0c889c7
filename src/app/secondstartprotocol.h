// SPDX-License-Identifier: MIT
#ifndef SECONDSTARTPROTOCOL_H
#define SECONDSTARTPROTOCOL_H

#include <QByteArray>
#include <QStringList>

class QIODevice;

/*!
    What a later start and the running instance say to each other over the local socket. Every
    message is a frame: a marker, the payload's length and the payload. Both sides prove that
    they know the user's secret from the private folder before any argument is handed over:

    later start -> hello (a random challenge)
    running     -> its answer to the challenge, and a challenge of its own
    later start -> its answer, the working folder and the arguments
    running     -> "ok" once it has taken the call
*/
namespace SecondStartProtocol {

// How long a later start waits for each answer. The running instance answers from its event
// loop, which its own start-up (the web engine above all) can hold for seconds on a slow or busy
// machine; giving up early would open a second window on the same settings.
constexpr int timeoutMs = 10000;
constexpr int challengeSize = 16;
constexpr int maxPayload = 256 * 1024;
constexpr quint32 maxArguments = 4096;

// The two sides' answers differ, so that neither can replay the other's.
constexpr char runningRole[] = "running";
constexpr char laterRole[] = "later";

enum class FrameState { Incomplete, Complete, Invalid };

QByteArray frame(const QByteArray& payload);
/*! Takes one frame from the device once it is whole; Invalid for a wrong marker or length. */
FrameState takeFrame(QIODevice* device, QByteArray* payload);

/*! The user's secret, read from the private folder or created there; empty when impossible. */
QByteArray secret(const QString& folder, QString* errorString = nullptr);
QByteArray challenge();
/*! The answer to a challenge; "role" keeps the two sides' answers apart. */
QByteArray answer(const QByteArray& secret, const QByteArray& role, const QByteArray& challenge);

QByteArray encodeCall(const QString& workingDirectory, const QStringList& arguments);
/*! False for anything but one well-formed call within the bounds above. */
bool decodeCall(const QByteArray& payload, QString* workingDirectory, QStringList* arguments);

} // namespace SecondStartProtocol

#endif
