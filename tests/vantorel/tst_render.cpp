#include <QtTest>

class TestRender : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestRender)
#include "tst_render.moc"
