<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ColourSwatches</name>
    <message>
        <source>Channels %1 to %2: red %3, green %4, blue %5</source>
        <translation>Canaux %1 à %2 : rouge %3, vert %4, bleu %5</translation>
    </message>
</context>
<context>
    <name>DeviceJobs</name>
    <message>
        <source>Not connected !</source>
        <translation>Non connecté !</translation>
    </message>
    <message>
        <source>Control error !</source>
        <translation>Erreur de commande !</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller.
The system does not tell which one. Close it, then connect again.</source>
        <translation>Un autre programme utilise le contrôleur Kelvo.
Le système ne dit pas lequel. Fermez-le, puis connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>Another program is using the Kelvo controller:
%1 (process %2)
Close it, then connect again.</source>
        <translation>Un autre programme utilise le contrôleur Kelvo :
%1 (processus %2)
Fermez-le, puis connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Mémoire insuffisante !</translation>
    </message>
    <message>
        <source>File not found : %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Out of memory!</source>
        <translation>Mémoire épuisée !</translation>
    </message>
    <message>
        <source>Current version read error !</source>
        <translation>Erreur de lecture de la version actuelle !</translation>
    </message>
    <message>
        <source>Different versions !</source>
        <translation>Versions différentes !</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Voulez-vous vraiment installer une version plus ancienne du firmware ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Oui, je confirme !</translation>
    </message>
    <message>
        <source>This upgrade is made for another firmware core !
Installing it may permanently damage the device !
To reprogram all the firmware contact with Ovra.</source>
        <translation>Cette mise à jour est destinée à un autre noyau de firmware !
L&apos;installer peut endommager définitivement l&apos;appareil !
Pour reprogrammer tout le firmware, contactez Ovra.</translation>
    </message>
    <message>
        <source>Write error !</source>
        <translation>Erreur d&apos;écriture !</translation>
    </message>
    <message>
        <source>Protocol error !</source>
        <translation>Erreur de protocole !</translation>
    </message>
    <message>
        <source>Process canceled !</source>
        <translation>Opération annulée !</translation>
    </message>
    <message>
        <source>Verification failed : block %1
  Continue ?</source>
        <translation>Échec de la vérification : bloc %1
  Continuer ?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Oui !</translation>
    </message>
    <message>
        <source>No ...</source>
        <translation>Non...</translation>
    </message>
    <message>
        <source>Preparing device...</source>
        <translation>Préparation de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Transferring firmware...</source>
        <translation>Transfert du firmware...</translation>
    </message>
    <message>
        <source>Comparing firmware...</source>
        <translation>Comparaison du firmware...</translation>
    </message>
    <message>
        <source>Command failed !</source>
        <translation>Échec de la commande !</translation>
    </message>
    <message>
        <source>Time is over !</source>
        <translation>Délai dépassé !</translation>
    </message>
    <message>
        <source>Input selection :</source>
        <translation>Sélection de l&apos;entrée :</translation>
    </message>
    <message>
        <source>Remote control :</source>
        <translation>Télécommande :</translation>
    </message>
    <message>
        <source>Invalid system address !</source>
        <translation>Adresse système non valide !</translation>
    </message>
    <message>
        <source>Configuration is sending...</source>
        <translation>Envoi de la configuration...</translation>
    </message>
    <message>
        <source>Configuration is reading...</source>
        <translation>Lecture de la configuration...</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>write failed</source>
        <translation>échec de l&apos;écriture</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>ImageHistory</name>
    <message>
        <source>Scene %1 level</source>
        <translation>niveau de la scène %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 level</source>
        <translation>niveau du pas %2 du programme %1</translation>
    </message>
    <message>
        <source>Scene %1 times</source>
        <translation>temps de la scène %1</translation>
    </message>
    <message>
        <source>Program %1 step %2 times</source>
        <translation>temps du pas %2 du programme %1</translation>
    </message>
    <message>
        <source>Program %1 length</source>
        <translation>longueur du programme %1</translation>
    </message>
    <message>
        <source>Program %1 steps</source>
        <translation>pas du programme %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>copie</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>effacement</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>action</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>mode de l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>scène spéciale</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>réglage</translation>
    </message>
    <message>
        <source>Remote system address</source>
        <translation>adresse système de la télécommande</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>lecture depuis un fichier</translation>
    </message>
    <message>
        <source>Read from Kelvo</source>
        <translation>lecture depuis Kelvo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>modification</translation>
    </message>
</context>
<context>
    <name>LevelBars</name>
    <message>
        <source>Channel %1: %2</source>
        <translation>Canal %1 : %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>KelvoDesk</source>
        <translation>KelvoDesk</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Select from device</source>
        <translation>Choisir sur Kelvo</translation>
    </message>
    <message>
        <source>RCU keys</source>
        <translation>Touches télécommande</translation>
    </message>
    <message>
        <source>Select from RCU</source>
        <translation>Choisir sur télécde</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Scène spéciale</translation>
    </message>
    <message>
        <source>RCU system address</source>
        <translation>Adresse système télécommande</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Lire depuis le contrôleur</translation>
    </message>
    <message>
        <source>Got value :</source>
        <translation>Valeur lue :</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N / D</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Définir la valeur</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non utilisé</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Accept from RCU</source>
        <translation>Accepter de la télécommande</translation>
    </message>
    <message>
        <source>Three-channel preview</source>
        <translation>Aperçu sur trois canaux</translation>
    </message>
    <message>
        <source>Show on the controller three channels starting from  :  </source>
        <translation>Afficher sur le contrôleur trois canaux à partir du  :  </translation>
    </message>
    <message>
        <source>Scene mixing mode</source>
        <translation>Mode de mixage des scènes</translation>
    </message>
    <message>
        <source>Standard (bigger win) mode</source>
        <translation>Standard (le plus haut gagne)</translation>
    </message>
    <message>
        <source>Proportional mode</source>
        <translation>Mode proportionnel</translation>
    </message>
    <message>
        <source>Input simulator</source>
        <translation>Simulateur d&apos;entrées</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Scenes, Steps</source>
        <translation>Scènes, pas</translation>
    </message>
    <message>
        <source>Choose program :</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>Independent scenes</source>
        <translation>Scènes indép.</translation>
    </message>
    <message>
        <source>Scene / Step No.</source>
        <translation>N° scène / pas</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Copy independent scenes</source>
        <translation>Copier des scènes indépendantes</translation>
    </message>
    <message>
        <source>source scene</source>
        <translation>scène source</translation>
    </message>
    <message>
        <source>no. of scenes</source>
        <translation>nb de scènes</translation>
    </message>
    <message>
        <source>destination</source>
        <translation>destination</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy programs</source>
        <translation>Copier des programmes</translation>
    </message>
    <message>
        <source>source : program</source>
        <translation>source : programme</translation>
    </message>
    <message>
        <source>step</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>----</source>
        <translation>----</translation>
    </message>
    <message>
        <source>no. of :</source>
        <translation>nombre :</translation>
    </message>
    <message>
        <source>programs</source>
        <translation>prog.</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>dest. : program</source>
        <translation>dest. : programme</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Send conf. to Kelvo</source>
        <translation>Envoyer conf. à Kelvo</translation>
    </message>
    <message>
        <source>Read conf. from Kelvo</source>
        <translation>Lire conf. de Kelvo</translation>
    </message>
    <message>
        <source>Save conf. to file</source>
        <translation>Enregistrer la conf.</translation>
    </message>
    <message>
        <source>Read conf. from file</source>
        <translation>Ouvrir une conf.</translation>
    </message>
    <message>
        <source>Clear configuration</source>
        <translation>Effacer la config.</translation>
    </message>
    <message>
        <source>Kelvo Controller</source>
        <translation>Contrôleur Kelvo</translation>
    </message>
    <message>
        <source>status :</source>
        <translation>état :</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Connecter Kelvo</translation>
    </message>
    <message>
        <source>Kelvo working mode</source>
        <translation>Mode de Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Reset Kelvo</source>
        <translation>Réinit. Kelvo</translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation>S/N ----</translation>
    </message>
    <message>
        <source>F/W ver. </source>
        <translation>F/W ver. </translation>
    </message>
</context>
<context>
    <name>MyTimeEdit</name>
    <message>
        <source>Largest time: %1</source>
        <translation>Durée maximale : %1</translation>
    </message>
</context>
<context>
    <name>ProgramTimelineView</name>
    <message>
        <source>Fade-out: %1 s</source>
        <translation>Descente : %1 s</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, then it holds until something else happens</source>
        <translation>Pas %1 : montée %2 s, puis il tient jusqu&apos;à ce qu&apos;autre chose arrive</translation>
    </message>
    <message>
        <source>Step %1: rise %2 s, hold %3 s</source>
        <translation>Pas %1 : montée %2 s, maintien %3 s</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>simulated controller</source>
        <translation>contrôleur simulé</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Critical error !</source>
        <translation>Erreur critique !</translation>
    </message>
    <message>
        <source>Not enough memory !</source>
        <translation>Mémoire insuffisante !</translation>
    </message>
</context>
<context>
    <name>ShowPreviewWindow</name>
    <message>
        <source>Show preview</source>
        <translation>Aperçu du spectacle</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Colours of the special scene&apos;s channels:</source>
        <translation>Couleurs des canaux de la scène spéciale :</translation>
    </message>
    <message>
        <source>A preview computed from the configuration in this window. Where the controller&apos;s behaviour is not described, it follows the rules listed in the README, and a controller may differ.</source>
        <translation>Un aperçu calculé à partir de la configuration de cette fenêtre. Là où le comportement du contrôleur n&apos;est pas décrit, il suit les règles listées dans le README, et un contrôleur peut différer.</translation>
    </message>
    <message>
        <source>Play:</source>
        <translation>Lire :</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scène</translation>
    </message>
    <message>
        <source>Special scene</source>
        <translation>Scène spéciale</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Whole show from power-on</source>
        <translation>Tout le spectacle depuis la mise sous tension</translation>
    </message>
    <message>
        <source>Number of the scene or program</source>
        <translation>Numéro de la scène ou du programme</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>x</source>
        <comment>speed: times as fast</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>Try the functions</source>
        <translation>Essayer les fonctions</translation>
    </message>
    <message>
        <source>Inputs (held down: contact closed):</source>
        <translation>Entrées (enfoncée : contact fermé) :</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Entrée %1</translation>
    </message>
    <message>
        <source>Remote key:</source>
        <translation>Touche télécommande :</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Adresse système :</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Appuyer</translation>
    </message>
    <message>
        <source>Power on</source>
        <translation>Mise sous tension</translation>
    </message>
    <message>
        <source>Program %1: a step holds until something else happens</source>
        <translation>Programme %1 : un pas tient jusqu&apos;à ce qu&apos;autre chose arrive</translation>
    </message>
    <message>
        <source>Program %1: %2 with its fade-out, then it ends</source>
        <translation>Programme %1 : %2 avec sa descente, puis il se termine</translation>
    </message>
    <message>
        <source>Program %1: %2, then step 1 follows again</source>
        <translation>Programme %1 : %2, puis le pas 1 revient</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>The controller is stopped (start/stop)</source>
        <translation>Le contrôleur est arrêté (marche/arrêt)</translation>
    </message>
    <message>
        <source>No program is running</source>
        <translation>Aucun programme en cours</translation>
    </message>
    <message>
        <source>Program %1 has ended</source>
        <translation>Le programme %1 est terminé</translation>
    </message>
    <message>
        <source>Program %1 is fading out</source>
        <translation>Le programme %1 est en descente</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3, paused</source>
        <translation>Programme %1, pas %2 sur %3, en pause</translation>
    </message>
    <message>
        <source>Program %1, step %2 of %3</source>
        <translation>Programme %1, pas %2 sur %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>Scenes on: %1</source>
        <translation>Scènes allumées : %1</translation>
    </message>
</context>
<context>
    <name>SimulatorPanel</name>
    <message>
        <source>Simulated controller %1</source>
        <translation>Contrôleur simulé %1</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode :</translation>
    </message>
    <message>
        <source>DMX output</source>
        <translation>Sortie DMX</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Operate input %1</source>
        <translation>Actionner l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Touche :</translation>
    </message>
    <message>
        <source>System address:</source>
        <translation>Adresse système :</translation>
    </message>
    <message>
        <source>Press key</source>
        <translation>Appuyer</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>Oublier</translation>
    </message>
    <message>
        <source>Someone operates an input or key a second after each request</source>
        <translation>Quelqu&apos;un actionne une entrée ou une touche une seconde après chaque demande</translation>
    </message>
    <message>
        <source>unplugged</source>
        <translation>débranché</translation>
    </message>
    <message>
        <source>restarting</source>
        <translation>redémarrage</translation>
    </message>
    <message>
        <source>configuration</source>
        <translation>configuration</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>chargeur de firmware</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>Presses waiting for the program: %1</source>
        <translation>Appuis en attente du programme : %1</translation>
    </message>
    <message>
        <source>In normal mode the bars preview the show as this program expects the controller to play it; in live mode they show the levels the program sends.</source>
        <translation>En mode normal, les barres donnent un aperçu du spectacle tel que ce programme s&apos;attend à ce que le contrôleur le joue ; en mode live, elles montrent les niveaux envoyés par le programme.</translation>
    </message>
    <message>
        <source>In normal mode a press does what the configuration says. It also waits until the program asks for an input or key (Select from device, Select from RCU, Accept from RCU).</source>
        <translation>En mode normal, un appui fait ce que dit la configuration. Il attend aussi que le programme demande une entrée ou une touche (Choisir sur Kelvo, Choisir sur télécde, Accepter de la télécommande).</translation>
    </message>
</context>
<context>
    <name>admx32_sliders_widget</name>
    <message>
        <source>Rise time:</source>
        <translation>Montée :</translation>
    </message>
    <message>
        <source>Last time:</source>
        <translation>Maintien :</translation>
    </message>
    <message>
        <source>Fall time:</source>
        <translation>Descente :</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Infini</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>Dernier pas</translation>
    </message>
    <message>
        <source>Channels shown</source>
        <translation>Canaux affichés</translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Red level</source>
        <translation>Niveau rouge</translation>
    </message>
    <message>
        <source>Red level value</source>
        <translation>Valeur du niveau rouge</translation>
    </message>
    <message>
        <source>Green level</source>
        <translation>Niveau vert</translation>
    </message>
    <message>
        <source>Green level value</source>
        <translation>Valeur du niveau vert</translation>
    </message>
    <message>
        <source>Blue level</source>
        <translation>Niveau bleu</translation>
    </message>
    <message>
        <source>Blue level value</source>
        <translation>Valeur du niveau bleu</translation>
    </message>
    <message>
        <source>Channel %1 level</source>
        <translation>Niveau du canal %1</translation>
    </message>
    <message>
        <source>Channel %1 level value</source>
        <translation>Valeur du niveau du canal %1</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Configuration clear</source>
        <translation>Effacer la configuration</translation>
    </message>
    <message>
        <source>What to clear ?</source>
        <translation>Que faut-il effacer ?</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Scènes</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Oui !</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>funcChooser</name>
    <message>
        <source>Load next scene</source>
        <translation>Charger la scène suivante</translation>
    </message>
    <message>
        <source>Load and run next program</source>
        <translation>Charger et lancer le prog. suivant</translation>
    </message>
    <message>
        <source>Controller start/stop</source>
        <translation>Marche/arrêt du contrôleur</translation>
    </message>
    <message>
        <source>Pause/resume program</source>
        <translation>Pause/reprise du programme</translation>
    </message>
    <message>
        <source>Red channel up/down</source>
        <translation>Monter/baisser le canal rouge</translation>
    </message>
    <message>
        <source>Green channel up/down</source>
        <translation>Monter/baisser le canal vert</translation>
    </message>
    <message>
        <source>Blue channel up/down</source>
        <translation>Monter/baisser le canal bleu</translation>
    </message>
    <message>
        <source>Red channel up</source>
        <translation>Monter le canal rouge</translation>
    </message>
    <message>
        <source>Red channel down</source>
        <translation>Baisser le canal rouge</translation>
    </message>
    <message>
        <source>Green channel up</source>
        <translation>Monter le canal vert</translation>
    </message>
    <message>
        <source>Green channel down</source>
        <translation>Baisser le canal vert</translation>
    </message>
    <message>
        <source>Blue channel up</source>
        <translation>Monter le canal bleu</translation>
    </message>
    <message>
        <source>Blue channel down</source>
        <translation>Baisser le canal bleu</translation>
    </message>
    <message>
        <source>Load and run chosen scene</source>
        <translation>Charger et lancer la scène choisie</translation>
    </message>
    <message>
        <source>Load special scene</source>
        <translation>Charger la scène spéciale</translation>
    </message>
    <message>
        <source>Load and run chosen program</source>
        <translation>Charger et lancer le prog. choisi</translation>
    </message>
    <message>
        <source>Toggle chosen scene</source>
        <translation>Activer/désactiver la scène choisie</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Aucune action</translation>
    </message>
</context>
<context>
    <name>funcSetter</name>
    <message>
        <source>Key No.</source>
        <translation>N° touche</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Associated action</source>
        <translation>Action associée</translation>
    </message>
    <message>
        <source>  Power On</source>
        <translation>  Mise sous tension</translation>
    </message>
    <message>
        <source>  Key %1</source>
        <extracomment>The leading blanks indent the row title in the table; %1 is the key number.</extracomment>
        <translation>  Touche %1</translation>
    </message>
    <message>
        <source>Power-on action</source>
        <translation>Action à la mise sous tension</translation>
    </message>
    <message>
        <source>Input %1 action</source>
        <translation>Action de l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Remote key %1 action</source>
        <translation>Action de la touche télécommande %1</translation>
    </message>
    <message>
        <source>Power-on action number</source>
        <extracomment>The number of the scene or program the power-on action chooses.</extracomment>
        <translation>Numéro de l&apos;action à la mise sous tension</translation>
    </message>
    <message>
        <source>Input %1 action number</source>
        <extracomment>The number of the scene or program the input&apos;s action chooses.</extracomment>
        <translation>Numéro de l&apos;action de l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Remote key %1 action number</source>
        <extracomment>The number of the scene or program the remote key&apos;s action chooses.</extracomment>
        <translation>Numéro de l&apos;action de la touche télécommande %1</translation>
    </message>
    <message>
        <source>Input %1 mode</source>
        <translation>Mode de l&apos;entrée %1</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>Program </source>
        <translation>Programme </translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Turn off application</source>
        <translation>Fermer l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Ouvrir un fichier de configuration</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Enregistrer le fichier de configuration</translation>
    </message>
    <message>
        <source>Save file &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save configuration file under another name</source>
        <translation>Enregistrer le fichier de configuration sous un autre nom</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Effacer la configuration actuelle</translation>
    </message>
    <message>
        <source>&amp;Upgrade Kelvo</source>
        <translation>&amp;Mettre à jour Kelvo</translation>
    </message>
    <message>
        <source>Send upgrade to Kelvo device</source>
        <translation>Envoyer une mise à jour à l&apos;appareil Kelvo</translation>
    </message>
    <message>
        <source>&amp;Verify Firmware</source>
        <translation>&amp;Vérifier le firmware</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Vérifier le firmware du contrôleur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Comment obtenir de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Information about application.</source>
        <translation>Informations sur l&apos;application.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File operations and exit</source>
        <translation>Opérations sur les fichiers, quitter</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Changer la langue de l&apos;application</translation>
    </message>
    <message>
        <source>Change language to : %1</source>
        <translation>Passer à la langue : %1</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Mise à jour</translation>
    </message>
    <message>
        <source>FirmWare version management</source>
        <translation>Gestion de la version du firmware</translation>
    </message>
    <message>
        <source>Some short informations about this program</source>
        <translation>Quelques informations sur ce programme</translation>
    </message>
    <message>
        <source>Number of steps in program:</source>
        <translation>Nombre de pas du programme :</translation>
    </message>
    <message>
        <source>Continued</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Edit step</source>
        <translation>Éditer pas</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>First channel :</source>
        <translation>Premier canal :</translation>
    </message>
    <message>
        <source>Last channel :</source>
        <translation>Dernier canal :</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>Standard input</source>
        <translation>Entrée standard</translation>
    </message>
    <message>
        <source>RCU key</source>
        <translation>Touche télécde</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Mise à jour</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - Help</source>
        <translation>Ovra KelvoDesk - Aide</translation>
    </message>
    <message>
        <source>Please call or send an email.

Phone:  +48 12 345 67 89
Fax:    +48 12 345 67 90
E-mail: support@kelvo-lighting.example</source>
        <translation>Appelez-nous ou envoyez-nous un e-mail.

Tél. :     +48 12 345 67 89
Fax :     +48 12 345 67 90
E-mail : support@kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Ovra KelvoDesk - About</source>
        <translation>Ovra KelvoDesk - À propos</translation>
    </message>
    <message>
        <source>Software to configure Kelvo controller.
Release :   %1

Ovra Lighting Systems
ul. Przykladowa 12
30-001 Krakow, Poland
www.kelvo-lighting.example</source>
        <translation>Logiciel de configuration du contrôleur Kelvo.
Version :   %1

Ovra Lighting Systems
ul. Przykładowa 12
30-001 Kraków, Pologne
www.kelvo-lighting.example</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Non connecté !</translation>
    </message>
    <message>
        <source>Connecting ...</source>
        <translation>Connexion en cours...</translation>
    </message>
    <message>
        <source>Wait until connection is estabilished ...</source>
        <translation>Patientez, connexion en cours...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connect to Kelvo</source>
        <translation>Connecter Kelvo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnect Kelvo</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Refusing !</source>
        <translation>Refusé !</translation>
    </message>
    <message>
        <source>Source and destination ranges intersects !</source>
        <translation>Les plages source et destination se chevauchent !</translation>
    </message>
    <message>
        <source>Source and destination shouldn&apos;t be the same !</source>
        <translation>La source et la destination doivent être différentes !</translation>
    </message>
    <message>
        <source>Number of scenes to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Le nombre de scènes à copier dépasse la plage possible !<byte value="xd"/>
Pour accepter la valeur corrigée, appuyez à nouveau sur le bouton Copier</translation>
    </message>
    <message>
        <source>Number of programs to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Le nombre de programmes à copier dépasse la plage possible !<byte value="xd"/>
Pour accepter la valeur corrigée, appuyez à nouveau sur le bouton Copier</translation>
    </message>
    <message>
        <source>Number of steps to copy exceeds possible range !<byte value="xd"/>
To accept corrected value press the Copy button again</source>
        <extracomment>&quot;<byte value="xd"/>
&quot; breaks the line in the box; keep both characters.</extracomment>
        <translation>Le nombre de pas à copier dépasse la plage possible !<byte value="xd"/>
Pour accepter la valeur corrigée, appuyez à nouveau sur le bouton Copier</translation>
    </message>
    <message>
        <source>Choose a conf. and data file for Kelvo controller</source>
        <translation>Choisissez un fichier de configuration et de données du contrôleur Kelvo</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg);;All files (*)</source>
        <translation>Configuration et données KelvoDesk (*.cfgkv;*.cfg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>KelvoDesk conf and data (*.cfgkv;*.cfg)</source>
        <translation>Configuration et données KelvoDesk (*.cfgkv;*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose a file to upgrade Ovra - Kelvo controller</source>
        <translation>Choisissez un fichier de mise à jour du contrôleur Ovra - Kelvo</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Mise à jour (*.upg)</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Avertissement !</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Impossible d&apos;enregistrer la nouvelle langue !</translation>
    </message>
    <message>
        <source>N / A</source>
        <translation>N / D</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>non utilisé</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not sent!</source>
        <translation>Non connecté !
Configuration non envoyée !</translation>
    </message>
    <message>
        <source>Not connected !
Configuration not read!</source>
        <translation>Non connecté !
Configuration non lue !</translation>
    </message>
    <message>
        <source>Take back the last change of the configuration</source>
        <translation>Annuler la dernière modification de la configuration</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>Rétablir la modification annulée</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo and redo changes of the configuration</source>
        <translation>Annuler et rétablir les modifications de la configuration</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>sans titre</translation>
    </message>
    <message>
        <source>The configuration has changes that are neither saved in a file nor sent to the controller.

Save them to a file first?</source>
        <translation>La configuration comporte des modifications qui ne sont ni enregistrées dans un fichier ni envoyées au contrôleur.

Les enregistrer d&apos;abord dans un fichier ?</translation>
    </message>
    <message>
        <source>RCU: the controller&apos;s infra-red remote control</source>
        <translation>Télécommande : la télécommande infrarouge du contrôleur</translation>
    </message>
    <message>
        <source>Reset the controller?
It restarts and stops what it is doing.</source>
        <translation>Réinitialiser le contrôleur ?
Il redémarre et arrête ce qu&apos;il fait.</translation>
    </message>
    <message>
        <source>Upgrade the controller from %1 to %2?</source>
        <translation>Mettre à jour le contrôleur de %1 vers %2 ?</translation>
    </message>
    <message>
        <source>Press a key on the remote now</source>
        <translation>Appuyez maintenant sur une touche de la télécommande</translation>
    </message>
    <message>
        <source>Operate the input now</source>
        <translation>Actionnez l&apos;entrée maintenant</translation>
    </message>
    <message>
        <source>The controller waits for its firmware: an upgrade did not end.
Run &quot;Upgrade Kelvo&quot; again with the upgrade file to finish it.</source>
        <translation>Le contrôleur attend son firmware : une mise à jour n&apos;est pas terminée.
Relancez « Mettre à jour Kelvo » avec le fichier de mise à jour pour la terminer.</translation>
    </message>
    <message>
        <source>Kelvo controller found: press Connect</source>
        <translation>Contrôleur Kelvo trouvé : appuyez sur Connecter</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Ape&amp;rçu</translation>
    </message>
    <message>
        <source>Play the configuration here, without a controller</source>
        <translation>Lire la configuration ici, sans contrôleur</translation>
    </message>
    <message>
        <source>Play the &amp;scene being edited</source>
        <translation>Lire la &amp;scène en cours d&apos;édition</translation>
    </message>
    <message>
        <source>Play the scene or program shown on the scenes page</source>
        <translation>Lire la scène ou le programme affiché sur la page des scènes</translation>
    </message>
    <message>
        <source>Play the &amp;program being edited</source>
        <translation>Lire le &amp;programme en cours d&apos;édition</translation>
    </message>
    <message>
        <source>Play the program shown on the programs page</source>
        <translation>Lire le programme affiché sur la page des programmes</translation>
    </message>
    <message>
        <source>Play the whole s&amp;how from power-on</source>
        <translation>Lire tout le spec&amp;tacle depuis la mise sous tension</translation>
    </message>
    <message>
        <source>Play from power-on, with the inputs and the remote to try</source>
        <translation>Lire depuis la mise sous tension, avec les entrées et la télécommande à essayer</translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Open a configuration file used lately</source>
        <translation>Ouvrir un fichier de configuration utilisé récemment</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Forget the configuration files used lately</source>
        <translation>Oublier les fichiers de configuration utilisés récemment</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Source step</source>
        <translation>Pas source</translation>
    </message>
    <message>
        <source>Destination step</source>
        <translation>Pas de destination</translation>
    </message>
    <message>
        <source>Kind of input to simulate</source>
        <translation>Type d&apos;entrée à simuler</translation>
    </message>
    <message>
        <source>Number of the input or key to simulate</source>
        <translation>Numéro de l&apos;entrée ou de la touche à simuler</translation>
    </message>
</context>
<context>
    <name>input_delegate</name>
    <message>
        <source>N/O</source>
        <translation>N/O</translation>
    </message>
    <message>
        <source>N/C</source>
        <translation>N/F</translation>
    </message>
    <message>
        <source>N/U</source>
        <translation>N/U</translation>
    </message>
    <message>
        <source>N/O, normally open: the input acts when its contact closes</source>
        <translation>N/O, normalement ouvert : l&apos;entrée agit quand son contact se ferme</translation>
    </message>
    <message>
        <source>N/C, normally closed: the input acts when its contact opens</source>
        <translation>N/F, normalement fermé : l&apos;entrée agit quand son contact s&apos;ouvre</translation>
    </message>
    <message>
        <source>N/U, not used: the controller ignores the input</source>
        <translation>N/U, non utilisé : le contrôleur ignore l&apos;entrée</translation>
    </message>
</context>
<context>
    <name>kelvo_controller_class</name>
    <message>
        <source>File read error : %1</source>
        <translation>Erreur de lecture du fichier : %1</translation>
    </message>
    <message>
        <source>File %1
isn&apos;t proper upgrade file !</source>
        <translation>Le fichier %1
n&apos;est pas un fichier de mise à jour valide !</translation>
    </message>
    <message>
        <source>Seek error : %1</source>
        <translation>Erreur de positionnement : %1</translation>
    </message>
    <message>
        <source>CRC error in block !</source>
        <translation>Erreur CRC dans le bloc !</translation>
    </message>
    <message>
        <source>Uncompressing error !</source>
        <translation>Erreur de décompression !</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Interface USB</translation>
    </message>
    <message>
        <source>FirmWare upgrade</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Data write to file %1
Sucessfull!</source>
        <extracomment>%1 is the file&apos;s whole path, on a line of its own.</extracomment>
        <translation>Écriture des données dans le fichier %1
réussie !</translation>
    </message>
    <message>
        <source>Data write to file %1
Failed!</source>
        <translation>Écriture des données dans le fichier %1
échouée !</translation>
    </message>
    <message>
        <source>Data read from file
    Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Lecture des données du fichier
    réussie !</translation>
    </message>
    <message>
        <source>Data read from file
       Failed!

File is broken.</source>
        <translation>Lecture des données du fichier
       échouée !

Le fichier est endommagé.</translation>
    </message>
    <message>
        <source>Upgrade sucessfull !</source>
        <translation>Mise à jour réussie !</translation>
    </message>
    <message>
        <source>Verify successfull !</source>
        <translation>Vérification réussie !</translation>
    </message>
    <message>
        <source>Verify of %1 block(s) failed !</source>
        <translation>Échec de la vérification de %1 bloc(s) !</translation>
    </message>
    <message>
        <source>Upgrade failed !</source>
        <translation>Échec de la mise à jour !</translation>
    </message>
    <message>
        <source>Verification failed !</source>
        <translation>Échec de la vérification !</translation>
    </message>
    <message>
        <source>Write configuration
     Sucessfull!</source>
        <extracomment>The blanks centre the second line in the box; keep the line break.</extracomment>
        <translation>Écriture de la configuration
     réussie !</translation>
    </message>
    <message>
        <source>Write configuration
     Failed!</source>
        <translation>Écriture de la configuration
     échouée !</translation>
    </message>
    <message>
        <source>Read configuration
cancelled !</source>
        <translation>Lecture de la configuration
annulée !</translation>
    </message>
    <message>
        <source>Read configuration
Sucessfull!</source>
        <extracomment>Two lines in a small box; keep the line break.</extracomment>
        <translation>Lecture de la configuration
réussie !</translation>
    </message>
    <message>
        <source>Read configuration
 Failed!</source>
        <translation>Lecture de la configuration
 échouée !</translation>
    </message>
</context>
<context>
    <name>program_conf_delegate</name>
    <message>
        <source>Step %1 rise time</source>
        <translation>Temps de montée du pas %1</translation>
    </message>
    <message>
        <source>Step %1 last time</source>
        <translation>Temps de maintien du pas %1</translation>
    </message>
    <message>
        <source>Step %1 last time infinite</source>
        <translation>Temps de maintien du pas %1 infini</translation>
    </message>
    <message>
        <source>Step %1 fall time</source>
        <translation>Temps de descente du pas %1</translation>
    </message>
</context>
<context>
    <name>program_conf_widget</name>
    <message>
        <source>  infinite</source>
        <translation>  infini</translation>
    </message>
    <message>
        <source>Step No.</source>
        <translation>N° pas</translation>
    </message>
    <message>
        <source>Rise time</source>
        <translation>Montée</translation>
    </message>
    <message>
        <source>Last time | inf.</source>
        <translation>Maintien | inf.</translation>
    </message>
    <message>
        <source>Fall time</source>
        <translation>Descente</translation>
    </message>
    <message>
        <source>Prog. time</source>
        <translation>Durée prog.</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Pas %1</translation>
    </message>
    <message>
        <source>Broken rule !</source>
        <translation>Règle non respectée !</translation>
    </message>
    <message>
        <source>Both times couldn&apos;t be 0 !
Last time will be fixed.</source>
        <translation>Les deux temps ne peuvent pas être nuls !
Le maintien sera corrigé.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Corriger tous les pas</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>indéterminée</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message numerus="yes">
        <source>About to remove %n step(s) from program.
	Really want to do it ?</source>
        <extracomment>%n steps are removed; the tab indents the question on the second line.</extracomment>
        <translation>
            <numerusform>%n pas va être supprimé du programme.
	Voulez-vous vraiment continuer ?</numerusform>
            <numerusform>%n pas vont être supprimés du programme.
	Voulez-vous vraiment continuer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes !</source>
        <translation>Oui !</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Disconnected device !</source>
        <translation>Appareil déconnecté !</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available !
Retry or choose another device to connect.</source>
        <translation>Le contrôleur précédent n&apos;est plus disponible !
Réessayez ou choisissez un autre appareil.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Controller to connect</source>
        <translation>Contrôleur à connecter</translation>
    </message>
</context>
</TS>
