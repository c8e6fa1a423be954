// The program: the real services, the window manager and the background window as the start-up object.
#include "core/Modulo1.h"
#include "platform/GestoreFinestre.h"
#include "platform/Servizi.h"
#include "platform/ServiziQt.h"
#include "platform/StampanteQt.h"
#include "windows/Registro.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    numerella::preparaApplicazione();

    numerella::Modulo1 registro;
    numerella::OrologioQt orologio;
    numerella::CasualeMescolato caso;
    numerella::SuonoQt suono;
    numerella::MessaggiQt messaggi;
    numerella::CicalinoQt cicalino;
    numerella::AvviatoreQt avviatore;
    // The printer is looked for only when something is printed.
    numerella::FabbricaStampanteQt stampanti(messaggi);
    numerella::TerminazioneQt terminazione;
    numerella::GestoreFinestre finestre(terminazione);
    numerella::Servizi servizi{
        registro, orologio,  caso,      suono,    messaggi,
        cicalino, avviatore, stampanti, finestre, QCoreApplication::applicationDirPath().toStdString()};
    finestre.impostaServizi(servizi);
    numerella::registraFinestre(finestre);

    finestre.carica(QStringLiteral("frmSfondo"));
    return app.exec();
}
