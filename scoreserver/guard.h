// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>

// Who a request comes from and how often it may upload.
namespace scoreserver {

using Subnet = QPair<QHostAddress, int>;

// "10.0.0.1", "10.0.0.0/8", "::1" or "fd00::/8", separated by commas or blanks. False with error set
// when one cannot be read.
bool ParseSubnets(const QString& text, QList<Subnet>* subnets, QString* error);
bool InSubnets(const QHostAddress& address, const QList<Subnet>& subnets);

// The client of a request: the peer itself, or, when the peer is one of the trusted proxies, the
// last address in X-Forwarded-For that is not a trusted proxy (the proxies append what they saw).
QHostAddress ClientAddress(const QHostAddress& peer, const QByteArray& forwardedFor,
                           const QList<Subnet>& trusted);

// The key a client's uploads are counted under: its IPv4 address, or the /64 network of an IPv6
// address (one household's devices share it, and it cannot be dodged by switching addresses).
QString ClientKey(const QHostAddress& address);

// Per-client token buckets: perMinute uploads in a burst, refilled at perMinute a minute. Thread-safe.
class RateLimiter {
  public:
    explicit RateLimiter(int perMinute) : perMinute_(perMinute) {}
    // True when the client may upload now (and counts it); otherwise retryAfter gets the seconds until
    // it may.
    bool Allow(const QString& key, qint64 nowMs, qint64* retryAfter);

  private:
    struct Bucket {
        double tokens;
        qint64 updatedMs;
    };
    void sweep(qint64 nowMs);
    QMutex mutex_;
    QHash<QString, Bucket> buckets_;
    int perMinute_;
    qint64 lastSweepMs_ = 0;
};

}  // namespace scoreserver
