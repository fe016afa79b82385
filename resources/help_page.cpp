#include "resources/help_page.h"

namespace tess {

std::string_view helpPageHtml() {
    static constexpr std::string_view kPage = R"html(<!DOCTYPE html>
<html lang="fr">
<head>
<meta charset="utf-8">
<title>Aide de Tessaline</title>
<style>
body { font-family: sans-serif; max-width: 46em; margin: 1em auto; line-height: 1.4; }
h1, h2 { color: #0a246a; }
table { border-collapse: collapse; }
td, th { border: 1px solid #999; padding: 0.2em 0.5em; text-align: left; }
</style>
</head>
<body>

<h1 id="contenu">Aide de Tessaline</h1>
<p>Tessaline dessine des armoiries et en écrit le blasonnement. Le blason se compose dans
la fenêtre principale&nbsp;: on choisit une partition, on peint les parties avec les
émaux et les fourrures, on ajoute des pièces et des meubles, puis on enregistre, exporte
ou imprime le dessin.</p>
<ul>
<li><a href="#fenetre">La fenêtre principale</a></li>
<li><a href="#raccourcis">Les raccourcis du clavier</a></li>
<li><a href="#impression">Imprimer et exporter</a></li>
<li><a href="#styles-de-ligne">Les styles de ligne</a></li>
<li><a href="#editeur-fourrures">L'éditeur de fourrures</a></li>
<li><a href="#proprietes-image">Les propriétés d'une image</a></li>
<li><a href="#distribution-meubles">La distribution des meubles</a></li>
</ul>

<h2 id="fenetre">La fenêtre principale</h2>
<p>La barre d'outils offre, de gauche à droite&nbsp;: Nouveau, Ouvrir, Sauvegarder,
Exporter en fichier graphique, Imprimer, puis Annuler, les seize partitions de l'écu
(Plein, Parti, Coupé, Tranché, Taillé, Écartelé, Écartelé en Sautoir, les tiercés et les
partis et coupés mi-partis) et enfin Aide. Un cadre rouge marque la partition choisie.</p>
<p>À gauche du blason, la palette des émaux et celle des fourrures&nbsp;: faites glisser un
émail ou une fourrure sur une partie de l'écu pour l'en couvrir. Sous les fourrures
paraissent vos fourrures personnalisées&nbsp;; un clic droit sur la palette ou sur l'une
d'elles ouvre le menu qui permet de les définir, de les modifier ou de les supprimer, et un
double clic modifie la fourrure choisie.</p>
<p>À droite du blason, on choisit la forme de l'écu, celle de l'écusson et la taille des
pièces du premier et du second ordre (entière, diminuée ou en filet). Chaque choix peut
être annulé. Le panneau triangulaire sous les palettes signale une entorse à la règle des
émaux&nbsp;: survolez-le ou cliquez-le pour la lire.</p>
<p>Les listes de droite donnent les images à poser comme meubles et les pièces à ajouter.
Un clic droit sur une partie du blason ouvre le menu de cette partie.</p>

<h2 id="raccourcis">Les raccourcis du clavier</h2>
<p>Quand le blason a le focus (il le prend quand on clique dessus ou sur la barre
d'outils)&nbsp;:</p>
<table>
<tr><th>Touches</th><th>Commande</th></tr>
<tr><td>Ctrl+O</td><td>Ouvrir un blason</td></tr>
<tr><td>Ctrl+N</td><td>Nouveau blason</td></tr>
<tr><td>Ctrl+S</td><td>Sauvegarder</td></tr>
<tr><td>Ctrl+Q</td><td>Quitter</td></tr>
<tr><td>Ctrl+R</td><td>Redessiner le blason</td></tr>
<tr><td>Ctrl+G</td><td>Afficher ou cacher la grille</td></tr>
<tr><td>Ctrl+V</td><td>Coller le meuble copié</td></tr>
<tr><td>Ctrl+A</td><td>Rouvrir la dernière page d'aide demandée</td></tr>
<tr><td>Ctrl+1 à Ctrl+9, Ctrl+0, Ctrl+-</td><td>Plein, Parti, Coupé, Tranché, Taillé,
Écartelé, Écartelé en Sautoir, Tiercé en Pal, Tiercé en Fasce, Tiercé en Bande,
Tiercé en Barre</td></tr>
<tr><td>Ctrl+=, Ctrl+Retour arrière, Ctrl+Inser, Ctrl+Début, Ctrl+Page précédente</td>
<td>Tiercé en Pairle, Parti mi-coupé en sénestre, Parti mi-coupé en dextre, Coupé mi-parti
en chef, Coupé mi-parti en pointe</td></tr>
</table>

<h2 id="impression">Imprimer et exporter</h2>
<p>Cette fenêtre sert à imprimer le blason ou à l'exporter en fichier graphique. Réglez le
zoom (de 1 à 200&nbsp;%, la taille de l'écu sur la page), choisissez d'écrire ou non le
blasonnement sous l'écu et, pour l'impression, les couleurs ou les hachures héraldiques en
noir et blanc. L'aperçu montre la place de l'écu sur la page, sans le blasonnement ni les
hachures&nbsp;; le bouton Imprimer ou Exporter produit la page. L'impression part sur
l'imprimante par défaut du système&nbsp;; l'export écrit une image BMP.</p>

<h2 id="styles-de-ligne">Les styles de ligne</h2>
<p>Cette fenêtre règle le trait d'une ligne du blason&nbsp;: la ligne de partition ou le bord
d'une pièce du premier ou du second ordre. Choisissez l'un des huit traits dans la liste et
réglez la largeur et la profondeur du motif avec les deux barres&nbsp;; l'aperçu dessine le
trait. Sur une ligne en diagonale, les traits nébulé et engrelé ne sont pas offerts. Ok
l'applique et ferme, Appliquer l'applique en gardant la fenêtre ouverte, Annuler ferme sans
rien changer de plus.</p>

<h2 id="editeur-fourrures">L'éditeur de fourrures</h2>
<p>Une fourrure personnalisée est un motif que l'on sème sur une partie. Peignez la tuile
avec les émaux, réglez son décalage d'une rangée à l'autre et sa taille, regardez l'aperçu,
puis enregistrez-la dans un fichier «&nbsp;.fmp&nbsp;» (un nom tapé sans cette fin la reçoit,
et sa tuile s'enregistre à côté en «&nbsp;.fmx&nbsp;»). Le blason garde quatre fourrures
personnalisées au plus&nbsp;; chacune paraît sous la palette des fourrures et se pose sur
l'écu par glisser-déposer.</p>

<h2 id="proprietes-image">Les propriétés d'une image</h2>
<p>Cette fenêtre montre une image de la banque (celle dont un meuble est fait), son nom, ses
dimensions et le nombre de meubles du blason qui l'utilisent. Elle permet d'écrire
l'expression qui nomme ce meuble dans le blasonnement&nbsp;: Ok l'enregistre et le
blasonnement sous l'écu la montre aussitôt.</p>

<h2 id="distribution-meubles">La distribution des meubles</h2>
<p>Cette fenêtre («&nbsp;Répartition des meubles&nbsp;», ouverte par «&nbsp;Créer un
motif&nbsp;» dans le menu du meuble tenu) répète ce meuble selon l'un de dix motifs&nbsp;: en
pal, en fasce, en bande, en barre, en chevron, en pairle, en croix, en sautoir, en carré ou
en cercle. Choisissez le motif et le nombre de meubles supplémentaires (de 0 à 5)&nbsp;;
l'aperçu les place, et l'on y déplace ou agrandit le cadre de la zone qu'ils occupent. Ok
les pose sur le blason comme un seul groupe, que le blasonnement nomme par son motif et que
l'on peut ensuite déplacer ensemble (en tenant Maj, Ctrl ou Alt) ou supprimer ensemble.</p>

</body>
</html>
)html";
    return kPage;
}

}  // namespace tess
