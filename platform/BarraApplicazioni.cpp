#include "platform/BarraApplicazioni.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef NUMERELLA_XCB
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace numerella {

#ifdef NUMERELLA_XCB
namespace {

xcb_atom_t atomo(xcb_connection_t* connessione, const char* nome)
{
    xcb_intern_atom_reply_t* risposta = xcb_intern_atom_reply(
        connessione, xcb_intern_atom(connessione, 0, std::uint16_t(std::strlen(nome)), nome), nullptr);
    const xcb_atom_t a = risposta ? risposta->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(risposta);
    return a;
}

} // namespace
#endif

void tieniFuoriDallaBarra(QWidget* finestra)
{
#ifdef NUMERELLA_XCB
    // Only the xcb platform has a usable X connection (the offscreen one may offer the interface without one).
    if (!finestra || finestra->isVisible() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connessione = x11 ? x11->connection() : nullptr;
    if (!connessione)
        return;
    const auto id = xcb_window_t(finestra->winId());
    const xcb_atom_t stato = atomo(connessione, "_NET_WM_STATE");
    std::vector<xcb_atom_t> atomi;
    // Keep whatever states the window already carries; Qt adds its own when it maps the window.
    xcb_get_property_reply_t* attuale = xcb_get_property_reply(
        connessione, xcb_get_property(connessione, 0, id, stato, XCB_ATOM_ATOM, 0, 1024), nullptr);
    if (attuale && attuale->format == 32 && attuale->type == XCB_ATOM_ATOM) {
        const auto* dati = static_cast<const xcb_atom_t*>(xcb_get_property_value(attuale));
        atomi.assign(dati, dati + xcb_get_property_value_length(attuale) / int(sizeof(xcb_atom_t)));
    }
    std::free(attuale);
    for (const char* nome : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t a = atomo(connessione, nome);
        if (a != XCB_ATOM_NONE && std::find(atomi.begin(), atomi.end(), a) == atomi.end())
            atomi.push_back(a);
    }
    xcb_change_property(connessione, XCB_PROP_MODE_REPLACE, id, stato, XCB_ATOM_ATOM, 32, std::uint32_t(atomi.size()),
                        atomi.data());
    xcb_flush(connessione);
#else
    (void)finestra;
#endif
}

} // namespace numerella
