#include <QtTest>

class TestGame : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestGame)
#include "tst_game.moc"
