#include "windows/start/FrmInizio.h"

#include "platform/Aspetto.h"
#include "platform/Pulsante.h"
#include "windows/start/FormaArrotondata.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace numerella {

namespace {

QLabel* etichetta(const QString& nome, const QString& testo, QWidget* genitore, const QFont& carattere,
                  const QColor& colore, Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignTop)
{
    QLabel* l = nuovaEtichetta(genitore, nome, testo);
    l->setFont(carattere);
    l->setAlignment(allineamento);
    coloraTesto(l, colore);
    rendiTrasparente(l);
    return l;
}

// A frame with a sunken one-pixel border and no caption.
QFrame* cornice(const QString& nome, const QString& descrizione, QWidget* genitore, const QColor& sfondo)
{
    auto* f = new QFrame(genitore);
    f->setObjectName(nome);
    f->setAccessibleName(descrizione);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    coloraSfondo(f, sfondo);
    return f;
}

} // namespace

FrmInizio::FrmInizio(Servizi& servizi) : Finestra(servizi, QStringLiteral("FrmInizio"))
{
    impostaAreaClient(11880, 8310);
    coloraSfondo(area(), rgb(192, 255, 192));
    area()->setFont(sansSerif(8.25));
    creaTitolo();
    creaCornici();
    creaMenu();
    impostaOrdineFuoco();
    // The window opens with the cursor in the name box.
    txtNome->setFocus(Qt::OtherFocusReason);
}

void FrmInizio::creaTitolo()
{
    auto* frmTitolo = new QFrame(area());
    frmTitolo->setObjectName(QStringLiteral("frmTitolo"));
    coloraSfondo(frmTitolo, rgb(192, 255, 192));
    new FormaArrotondata(QStringLiteral("Shape1"), rgb(0, 192, 192), 2, frmTitolo);
    new FormaArrotondata(QStringLiteral("Shape2"), rgb(128, 255, 255), 1, frmTitolo);
    QLabel* titolo = etichetta(QStringLiteral("Label5"), QStringLiteral("NUMERELLA . 1 "), frmTitolo, arial(48, true),
                               rgb(192, 0, 0), Qt::AlignHCenter | Qt::AlignTop);
    coloraSfondo(titolo, rgb(0, 255, 255));
    QLabel* attivita = etichetta(QStringLiteral("Label9"),
                                 QStringLiteral("Attività di controllo     Stampa operazioni Stampa valutazione"),
                                 frmTitolo, arial(14.25), rgb(192, 0, 0));
    attivita->setWordWrap(true);

    Combo1 = new QComboBox(area());
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Modo di calcolo"));
    Combo1->setEditable(false);
    Combo1->setFont(arial(18));
    coloraSfondo(Combo1, rgb(255, 255, 192));

    auto* Image1 = new QFrame(area());
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Riquadro"));
    Image1->setFrameShape(QFrame::Box);
    Image1->setFrameShadow(QFrame::Plain);

    QLabel* ideazione = etichetta(QStringLiteral("Label6"), QStringLiteral("Ideazione, progettazione e realizzazione"),
                                  area(), arial(18, true), rgb(0, 0, 0));
    coloraSfondo(ideazione, rgb(128, 255, 255));
    QLabel* autore = etichetta(QStringLiteral("Label1"), QStringLiteral("Il software di Brunaldo"), area(),
                               arial(18, true), rgb(192, 0, 0));
    coloraSfondo(autore, rgb(128, 255, 255));
    // The author's name lies over the right end of the credit line.
    autore->raise();

    disponi(area(), {{"frmTitolo", 30, 90, 11745, 1845},
                     {"Shape1", 90, 90, 11655, 1515},
                     {"Shape2", 120, 60, 11595, 1515},
                     {"Label5", 735, 270, 7950, 1095},
                     {"Label9", 8910, 420, 2685, 960},
                     {"Combo1", 195, 2070, 11385, 525},
                     {"Image1", 360, 2820, 4560, 4560},
                     {"Label6", 510, 7710, 11265, 495},
                     {"Label1", 7680, 7740, 3945, 435}});
}

void FrmInizio::creaCornici()
{
    const QFont grassetto = arial(9.75, true);
    const QColor giallo = rgb(255, 255, 128);

    // The range frame. It stays disabled while the name frame covers it: a range is chosen only after
    // a name has been accepted, so the covered buttons take neither the focus nor a click.
    Frame1 = cornice(QStringLiteral("Frame1"), QStringLiteral("Scelta dei numeri"), area(), rgb(192, 255, 192));
    Frame1->setEnabled(false);
    Command1 =
        nuovoPulsante(Frame1, QStringLiteral("Command1"), QStringLiteral("NUMERO MAX DA 1 A 10"), grassetto, giallo);
    Pulsante* Command2 =
        nuovoPulsante(Frame1, QStringLiteral("Command2"), QStringLiteral("NUMERO MAX DA 1 A  20"), grassetto, giallo);
    Pulsante* Command3 =
        nuovoPulsante(Frame1, QStringLiteral("Command3"), QStringLiteral("NUMERO MAX DA 10 A 30"), grassetto, giallo);
    Pulsante* Command4 =
        nuovoPulsante(Frame1, QStringLiteral("Command4"), QStringLiteral("NUMERO MAX DA 10 A 40"), grassetto, giallo);
    Pulsante* Command5 =
        nuovoPulsante(Frame1, QStringLiteral("Command5"), QStringLiteral("NUMERO MAX DA 40 A  99"), grassetto, giallo);
    Pulsante* Command6 =
        nuovoPulsante(Frame1, QStringLiteral("Command6"), QStringLiteral("NUMERO MAX DA 10 A 99"), grassetto, giallo);
    Pulsante* Command9 =
        nuovoPulsante(Frame1, QStringLiteral("Command9"), QStringLiteral("E S C I"), grassetto, rgb(255, 224, 192));
    connect(Command1, &QPushButton::clicked, this, &FrmInizio::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmInizio::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FrmInizio::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &FrmInizio::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &FrmInizio::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &FrmInizio::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &FrmInizio::Command9_Click);

    // The name frame, over the range frame.
    Frame2 = cornice(QStringLiteral("Frame2"), QStringLiteral("Nome dell'alunno"), area(), rgb(255, 192, 255));
    const Qt::Alignment centro = Qt::AlignHCenter | Qt::AlignTop;
    etichetta(QStringLiteral("Label4"), QStringLiteral("   IMMETTI   IL  TUO  NOME"), Frame2, arial(14.25, true),
              rgb(192, 0, 0), centro);
    txtNome = new QLineEdit(Frame2);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setAccessibleName(QStringLiteral("Nome"));
    txtNome->setMaxLength(15);
    txtNome->setAlignment(Qt::AlignCenter);
    txtNome->setFont(arial(21.75, true));
    coloraSfondo(txtNome, rgb(255, 192, 255));
    coloraTesto(txtNome, rgb(192, 0, 0));
    txtNome->installEventFilter(this);
    connect(txtNome, &QLineEdit::textEdited, this, &FrmInizio::nomeModificato);
    const QColor testoSistema = palette().color(QPalette::WindowText);
    etichetta(QStringLiteral("Label7"), QStringLiteral("Il nome viene troncato automaticamente alla 15a lettera"),
              Frame2, sansSerif(8.25), testoSistema, centro);
    etichetta(QStringLiteral("Label3"), QStringLiteral("Presta attenzione all'ortografia"), Frame2, sansSerif(8.25),
              testoSistema, centro);
    etichetta(QStringLiteral("Label8"), QStringLiteral("Buon lavoro"), Frame2, arial(24), rgb(128, 0, 128), centro);
    cmdAvanti = nuovoPulsante(Frame2, QStringLiteral("cmdAvanti"), QStringLiteral("AVANTI"), arial(21.75, true),
                              rgb(255, 255, 0));
    Pulsante* cmdFine = nuovoPulsante(Frame2, QStringLiteral("cmdFine"), QStringLiteral("E S C I"), arial(21.75, true),
                                      rgb(255, 128, 255));
    connect(cmdAvanti, &QPushButton::clicked, this, &FrmInizio::cmdAvanti_Click);
    connect(cmdFine, &QPushButton::clicked, this, &FrmInizio::cmdFine_Click);

    disponi(area(), {{"Frame1", 5010, 3030, 6750, 4530},
                     {"Command1", 120, 255, 3090, 705},
                     {"Command2", 90, 1560, 3090, 705},
                     {"Command3", 60, 2670, 3090, 705},
                     {"Command4", 3450, 285, 3090, 705},
                     {"Command5", 3495, 1575, 3090, 705},
                     {"Command6", 3450, 2685, 3090, 705},
                     {"Command9", 105, 3675, 6435, 495},
                     {"Frame2", 5010, 3135, 6720, 4500},
                     {"Label4", 720, 195, 4950, 465},
                     {"txtNome", 240, 855, 5940, 690},
                     {"Label7", 255, 1530, 5925, 300},
                     {"Label3", 270, 1740, 5925, 300},
                     {"Label8", 1395, 2040, 3825, 480},
                     {"cmdAvanti", 2010, 2700, 2700, 675},
                     {"cmdFine", 300, 3825, 6210, 510}});
    Frame2->raise();
    // The credit line stays above the frames (it does not overlap them, but keeps its place in the stack).
    findChild<QLabel*>(QStringLiteral("Label6"))->raise();
    findChild<QLabel*>(QStringLiteral("Label1"))->raise();
}

void FrmInizio::creaMenu()
{
    QMenuBar* barra = barraMenu();
    QMenu* mnuFile = barra->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuEsci = mnuFile->addAction(QStringLiteral("Esci"));
    mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    QAction* mnuVuoto = mnuFile->addAction(QStringLiteral(" "));
    mnuVuoto->setObjectName(QStringLiteral("mnuVuoto"));
    QAction* mnuInfo = barra->addAction(QStringLiteral("?"));
    mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
    QAction* voce = barra->addAction(QStringLiteral(" "));
    voce->setObjectName(QStringLiteral("voce"));
    QAction* mnuValutazione = barra->addAction(QStringLiteral("Scala di valutazione"));
    mnuValutazione->setObjectName(QStringLiteral("mnuValutazione"));
    connect(mnuEsci, &QAction::triggered, this, &FrmInizio::mnuEsci_Click);
    connect(mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
    connect(mnuValutazione, &QAction::triggered, this, &FrmInizio::mnuValutazione_Click);
}

void FrmInizio::impostaOrdineFuoco()
{
    const char* ordine[] = {"txtNome",  "Combo1",   "Command1", "Command2",  "Command3", "Command4",
                            "Command5", "Command6", "Command9", "cmdAvanti", "cmdFine"};
    QWidget* precedente = nullptr;
    for (const char* nome : ordine) {
        auto* w = findChild<QWidget*>(QString::fromLatin1(nome));
        w->setFocusPolicy(Qt::StrongFocus);
        if (precedente)
            setTabOrder(precedente, w);
        precedente = w;
    }
    for (const char* nome : {"Label5", "Label9", "Label6", "Label1", "Image1", "frmTitolo", "Frame1", "Frame2"})
        findChild<QWidget*>(QString::fromLatin1(nome))->setFocusPolicy(Qt::NoFocus);
}

void FrmInizio::Form_Load()
{
    Combo1->addItem(QStringLiteral("Calcolo della somma"));
    Combo1->addItem(QStringLiteral("Calcolo degli addendi"));
    Combo1->addItem(QStringLiteral("Calcolo casuale della somma o degli addendi"));
    Combo1->setCurrentIndex(0);
    setWindowTitle(QStringLiteral("NUMERELLA.1!"));
}

} // namespace numerella
