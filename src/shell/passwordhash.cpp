#include "shell/passwordhash.h"

#include "shell/usernames.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

#include <array>

namespace shell {
namespace {

const QString kPrefix = QStringLiteral("pbkdf2$");
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;
// Beyond this a damaged or planted value would stall the login.
constexpr int kMaxIterations = 10'000'000;

QByteArray derive(const QString& typed, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, lowered(typed).toUtf8(),
                                              salt, iterations, kHashBytes);
}

// Compares in time that does not depend on where the texts differ.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString hashPassword(const QString& typed) {
    if (typed.isEmpty())
        return {};
    std::array<quint32, kSaltBytes / sizeof(quint32)> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray salt(reinterpret_cast<const char*>(words.data()), kSaltBytes);
    return kPrefix + QString::number(kPasswordIterations) + u'$' +
           QString::fromLatin1(salt.toBase64()) + u'$' +
           QString::fromLatin1(derive(typed, salt, kPasswordIterations).toBase64());
}

bool passwordMatches(const QString& stored, const QString& typed) {
    if (stored.isEmpty() || typed.isEmpty())
        return stored.isEmpty() && typed.isEmpty();
    if (isPlainTextPassword(stored))
        return lowered(stored) == lowered(typed);
    const QStringList parts = stored.mid(kPrefix.size()).split(u'$');
    if (parts.size() != 3)
        return false;
    bool numeric = false;
    const int iterations = parts[0].toInt(&numeric);
    if (!numeric || iterations <= 0 || iterations > kMaxIterations)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[1].toLatin1());
    const QByteArray hash = QByteArray::fromBase64(parts[2].toLatin1());
    return !hash.isEmpty() && sameBytes(derive(typed, salt, iterations), hash);
}

bool isPlainTextPassword(const QString& stored) {
    return !stored.isEmpty() && !stored.startsWith(kPrefix);
}

} // namespace shell
