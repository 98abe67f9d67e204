// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoreserver/guard.h"

#include <QMutexLocker>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace scoreserver {

bool ParseSubnets(const QString& text, QList<Subnet>* subnets, QString* error) {
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    for (const QString& item : text.split(separators, Qt::SkipEmptyParts)) {
        Subnet subnet;
        if (item.contains(u'/')) {
            subnet = QHostAddress::parseSubnet(item);
        } else {
            const QHostAddress address(item);
            subnet = {address, address.protocol() == QAbstractSocket::IPv6Protocol ? 128 : 32};
        }
        if (subnet.first.isNull()) {
            *error = QStringLiteral("not an address or network: %1").arg(item);
            return false;
        }
        subnets->append(subnet);
    }
    return true;
}

bool InSubnets(const QHostAddress& address, const QList<Subnet>& subnets) {
    // An IPv4 client on a dual-stack socket arrives as ::ffff:a.b.c.d.
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    const QHostAddress plain = isV4 ? QHostAddress(v4) : address;
    for (const Subnet& s : subnets) {
        if (plain.isInSubnet(s)) return true;
    }
    return false;
}

QHostAddress ClientAddress(const QHostAddress& peer, const QByteArray& forwardedFor,
                           const QList<Subnet>& trusted) {
    if (forwardedFor.isEmpty() || !InSubnets(peer, trusted)) return peer;
    const QList<QByteArray> hops = forwardedFor.split(',');
    QHostAddress client = peer;
    for (auto it = hops.crbegin(); it != hops.crend(); ++it) {
        const QHostAddress hop(QString::fromLatin1(it->trimmed()));
        if (hop.isNull()) break;  // what lies further left cannot be trusted
        client = hop;
        if (!InSubnets(hop, trusted)) break;
    }
    return client;
}

QString ClientKey(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    if (isV4) return QHostAddress(v4).toString();
    Q_IPV6ADDR bytes = address.toIPv6Address();
    std::fill(bytes.c + 8, bytes.c + 16, 0);
    return QHostAddress(bytes).toString() + QStringLiteral("/64");
}

bool RateLimiter::Allow(const QString& key, qint64 nowMs, qint64* retryAfter) {
    QMutexLocker lock(&mutex_);
    sweep(nowMs);
    const double capacity = perMinute_;
    const double perMs = perMinute_ / 60000.0;
    auto it = buckets_.find(key);
    if (it == buckets_.end()) it = buckets_.insert(key, Bucket{capacity, nowMs});
    Bucket& b = *it;
    b.tokens = std::min(capacity, b.tokens + std::max<qint64>(0, nowMs - b.updatedMs) * perMs);
    b.updatedMs = nowMs;
    if (b.tokens >= 0.999999) {  // a token refilled to 0.9999999 by rounding counts as one
        b.tokens -= 1.0;
        return true;
    }
    *retryAfter = perMs > 0
                      ? std::max<qint64>(1, static_cast<qint64>(std::ceil((1.0 - b.tokens) / perMs / 1000.0)))
                      : 60;
    return false;
}

void RateLimiter::sweep(qint64 nowMs) {
    // Buckets that refilled completely are the same as no bucket: drop them now and then, so the table
    // holds only the clients of the last minute or so.
    if (nowMs - lastSweepMs_ < 60000 && buckets_.size() < 100000) return;
    lastSweepMs_ = nowMs;
    for (auto it = buckets_.begin(); it != buckets_.end();) {
        if (nowMs - it->updatedMs > 60000)
            it = buckets_.erase(it);
        else
            ++it;
    }
}

}  // namespace scoreserver
