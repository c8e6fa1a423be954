// The background window on a real X server: it asks the window manager to keep it out of the task bar.
#include "Ambiente.h"
#include "platform/ServiziQt.h"
#include "windows/start/FrmInizio.h"
#include "windows/start/frmSfondo.h"

#include <QGuiApplication>
#include <QTest>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

using namespace numerella;
using namespace numerella::prova;

namespace {

xcb_atom_t atomo(xcb_connection_t* c, const char* nome)
{
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(std::strlen(nome)), nome), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

QList<xcb_atom_t> statiDellaFinestra(xcb_connection_t* c, xcb_window_t id)
{
    QList<xcb_atom_t> atomi;
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, atomo(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (r && r->format == 32) {
        const auto* dati = static_cast<const xcb_atom_t*>(xcb_get_property_value(r));
        for (int i = 0; i < xcb_get_property_value_length(r) / int(sizeof(xcb_atom_t)); ++i)
            atomi.append(dati[i]);
    }
    std::free(r);
    return atomi;
}

} // namespace

class TestSfondoX11 : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { preparaApplicazione(); }

    void restaFuoriDallaBarra()
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (!x11)
            QSKIP("not running on an X server");
        Ambiente env;
        env.registra<frmSfondo>(QStringLiteral("frmSfondo"));
        env.registra<FrmInizio>(QStringLiteral("FrmInizio"));
        Finestra* sfondo = env.finestre.carica(QStringLiteral("frmSfondo"));
        QVERIFY(sfondo);
        QVERIFY(QTest::qWaitForWindowExposed(sfondo));
        xcb_connection_t* c = x11->connection();
        const QList<xcb_atom_t> stati = statiDellaFinestra(c, xcb_window_t(sfondo->winId()));
        QVERIFY(stati.contains(atomo(c, "_NET_WM_STATE_SKIP_TASKBAR")));
        QVERIFY(stati.contains(atomo(c, "_NET_WM_STATE_SKIP_PAGER")));
        // Qt's own state of the window is still there.
        QVERIFY(stati.contains(atomo(c, "_NET_WM_STATE_MAXIMIZED_VERT")));
        QVERIFY(env.messaggi.problemi().isEmpty());
    }
};

QTEST_MAIN(TestSfondoX11)
#include "test_sfondo_x11.moc"
