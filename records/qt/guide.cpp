#include "records/qt/guide.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "records/sheet.h"

namespace cf::records::qt {

namespace {

const char* const guide_html = R"(
<h2>Guide de l'utilisateur de CalcFluides</h2>
<p>CalcFluides calcule les écoulements de fluides en conduite. Chaque résultat est recalculé à chaque
frappe. Les nombres décimaux se saisissent avec un point (0.15) ; un champ dont le texte n'est pas lu
en entier comme un nombre est marqué, et son info-bulle dit ce qui a été lu.</p>
<h3>Les pages</h3>
<ul>
<li><b>Calculs Plaque à Orifice</b> : choisir le fluide, les prises de pression puis le calcul (Qm,
Delta P ou diamètre de l'orifice), et saisir les valeurs nécessaires au calcul, selon la norme
ISO 5167.</li>
<li><b>Calculs des masses volumiques de gaz et vapeurs</b> : choisir le gaz ou la vapeur, la masse
volumique à calculer et ce qui est connu.</li>
<li><b>Correction des débits de gaz</b> : choisir sur la page d'accueil le débit à calculer (Qvc, Qvs,
Qvn ou Qm), puis les conditions et les données connues.</li>
<li><b>Calculs de Débits, Vitesse, Section, Nombre de Reynolds</b> : débit, vitesse, section, nombre de
Reynolds et régime, pertes de charge.</li>
</ul>
<p>« Initialisation » remet la page à son état de départ ; « Retour à la page d'accueil » revient à
l'accueil.</p>
<h3>Les calculs enregistrés</h3>
<ul>
<li><b>Fichier › Enregistrer</b> (Ctrl+S) et <b>Enregistrer sous…</b> (Ctrl+Maj+S) gardent le calcul de
la page dans un fichier <i>.cfcalc</i> : les choix et les valeurs saisies, dans l'ordre de saisie.</li>
<li><b>Fichier › Ouvrir…</b> (Ctrl+O) refait un calcul enregistré sur sa page : chaque résultat est
recalculé. Un fichier illisible ne change rien et un message dit pourquoi.</li>
<li><b>Exporter la feuille de calcul (PDF)…</b> et <b>Imprimer…</b> (Ctrl+P) donnent la feuille de
calcul : les choix, les valeurs saisies et les résultats avec leurs unités, et les remarques de la
page.</li>
<li><b>Copier les résultats</b> (Ctrl+Maj+C) met le même tableau dans le presse-papiers ; il se colle
dans un tableur en colonnes.</li>
<li><b>Édition › Annuler</b> (Ctrl+Z, hors d'un champ en cours de saisie) refait le calcul
qu'une « Initialisation » ou une ouverture a remplacé.</li>
</ul>
<p>Le titre de la fenêtre porte le nom du fichier, et une étoile tant que le calcul n'est pas
enregistré. Fermer une page, le programme, ou revenir à l'accueil en perdant un calcul non enregistré
demande s'il faut l'enregistrer.</p>
<p>En ligne de commande : <code>calcfluides FICHIER.cfcalc</code> ouvre le calcul au démarrage ;
<code>calcfluides --sheet FICHIER.cfcalc FEUILLE.pdf</code> écrit sa feuille de calcul sans fenêtre.</p>
)";

QDialog* window(const char* name, const QString& title) {
    auto* w = new QDialog;
    w->setObjectName(name);
    w->setWindowTitle(title);
    w->setModal(false);
    return w;
}

void add_close_button(QDialog* w, QVBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, w);
    buttons->button(QDialogButtonBox::Close)->setText("Fermer");
    QObject::connect(buttons, &QDialogButtonBox::rejected, w, &QDialog::close);
    layout->addWidget(buttons);
}

}  // namespace

QWidget* make_guide_window() {
    QDialog* w = window("guide", "Guide de l'utilisateur - CalcFluides");
    auto* layout = new QVBoxLayout(w);
    auto* text = new QTextBrowser(w);
    text->setHtml(QString::fromUtf8(guide_html));
    layout->addWidget(text);
    add_close_button(w, layout);
    w->resize(620, 560);
    return w;
}

QWidget* make_about_window() {
    QDialog* w = window("about", "À propos de CalcFluides");
    auto* layout = new QVBoxLayout(w);
    auto* text = new QLabel(w);
    text->setObjectName("about_text");
    text->setTextFormat(Qt::RichText);
    text->setText(QString("<h3>CalcFluides %1</h3>"
                          "<p>Calculs d'écoulements de fluides en conduite : plaques à orifice (ISO 5167-1),<br>"
                          "masses volumiques des gaz et vapeurs, correction des débits de gaz,<br>"
                          "débits, vitesse, nombre de Reynolds et pertes de charge.</p>"
                          "<p>Licence : logiciel propriétaire, tous droits réservés.</p>")
                      .arg(program_version()));
    layout->addWidget(text);
    add_close_button(w, layout);
    return w;
}

}  // namespace cf::records::qt
