#include "text/string_table.h"

#include <cctype>
#include <charconv>

#include "text/language_list.h"

namespace quorprog {
namespace {

// The skin colour string is read with at most this many characters.
constexpr size_t kMaxSkinColourLength = 64;

std::map<int, std::string> builtInStrings() {
    return {
        {StringTable::kSkinColourId, "FBD591"},
        {StringTable::kLanguageListId, "english|italiano"},
        {50, "open file"},
        {51, "save file"},
        {52, "print"},
        {53, "help"},
        {54, "Group"},
        {55, "Range"},
        {56, "Programmer"},
        {57, "frequency (kHz)"},
        {58, "subtone"},
        {59, "read"},
        {60, "write"},
        {61, "WARNING"},
        {62, "ERROR"},
        {63, "Are you sure you want to exit?"},
        {64, "Please select a programmer"},
        {65, "Memory communication failure!\nCheck cable and connections, then retry!"},
        {66, "Memory content seems to be corrupt!\nCheck cable and connections, then retry!"},
        {67, "Receiver"},
        {68, "Transmitter"},
        {69, "Are you sure you want to overwrite data to wireless device?"},
        {70, "Data successfully written to device!"},
        {71,
         "Data has NOT written successfully! Please check cable, connections and battery status "
         "and retry!"},
        {72, "Please connect you wireless device and read data before to do this action!"},
        {73, "This file seems to be corrupt or not the right kind of file!"},
        {74,
         "It's impossible to load this file, because it was generated using a device with "
         "different system model!"},
        {75, "File successfully read!"},
        {76, "INFORMATION"},
        {77, "Type"},
        {78, "Refresh enabled programmers list"},
        {79, "Help file not found!"},
        {80, "To change subtone is not allowed for this product!"},
        {81, "To change frequencies is not allowed for this product!"},
        {82,
         "After you connected a Quorvel device to the programmer and read the memory, you can "
         "import data from a previously saved file."},
        {83,
         "Save to file all the data currently inserted in all the channel groups for future "
         "reuse."},
        {84, "Creates a paper hardcopy of all the data currently inserted."},
        {85, "Open the help file in your predefined web browser."},
        {86, "Read all the data from the Quorvel device connected to the selected programmer."},
        {87,
         "Write all the edited data to the Quorvel device connected to the selected programmer."},
        {88, "Click on the logo to go to the Quorvel website."},
        {89, "Frequency allocation sheet"},
        {90,
         "The battery on the programmer is almost depleted! Please replace it or the program "
         "operation could be faulty!"},
        {91, "It's impossible to import two groups of frequencies to the same destination group!"},
        {92,
         "Some subtone code in the imported file isn't available with the current hardware! Such "
         "subtones will be set to default value!"},
        {93, "Source Group"},
        {94, "Destination Group"},
        {95, "Detected model name"},
        {96,
         "The battery on the programmer is almost depleted! Please replace it or the program "
         "operation could be faulty! Do you want to continue anyway?"},
        {97, "Channel Step"},
        {100, "apri file"},
        {101, "salva file"},
        {102, "stampa"},
        {103, "aiuto"},
        {104, "Gruppo"},
        {105, "Gamma"},
        {106, "Programmatore"},
        {107, "frequenza (kHz)"},
        {108, "subtono"},
        {109, "leggi"},
        {110, "scrivi"},
        {111, "ATTENZIONE"},
        {112, "ERRORE"},
        {113, "Sei sicuro di voler uscire dal programma?"},
        {114, "Prego selezionare un programmatore"},
        {115,
         "Errore di comunicazione con la memoria!\nPrego controllare cavi e connessioni, quindi "
         "riprovare!"},
        {116,
         "Il contenuto della memoria sembra corrotto!\nPrego controllare cavi e connessioni, "
         "quindi riprovare!"},
        {117, "Ricevitore"},
        {118, "Trasmettitore"},
        {119, "Sei sicuro di voler sovrascrivere la programmazione dell'apparato radio?"},
        {120, "Programmazione memorizzata con successo!"},
        {121,
         "Programmazione non ultimata! Prego controllare cavi, connessioni e lo stato batteria e "
         "riprovare!"},
        {122,
         "Prego connettere l'apparato radio ed effettuare la lettura prima di effettuare questa "
         "azione!"},
        {123, "Il file e' corrotto o non del tipo corretto!"},
        {124, "Impossibile caricare il file, poiche' generato con un diverso tipo/modello!"},
        {125, "File caricato correttamente!"},
        {126, "INFORMAZIONE"},
        {127, "Tipo"},
        {128, "Ricerca programmatori abilitati"},
        {129, "File di documentazione non trovato!"},
        {130, "Modifica delle impostazioni dei subtoni non permessa per questo prodotto!"},
        {131, "Modifica delle frequenze non permessa per questo prodotto!"},
        {132,
         "Dopo aver connesso l'apparecchiatura Quorvel al programmatore ed averne letto la memoria "
         "è possibile importare dati da un file precedentemente salvato."},
        {133,
         "Salva su file tutti i dati correntemente inseriti in tutti i gruppi di canali, per un "
         "uso futuro."},
        {134, "Crea una copia su carta di tutti i dati correntemente inseriti."},
        {135, "Apre il file di aiuto nel tuo navigatore web predefinito."},
        {136,
         "Leggi tutti i dati dall'apparecchiatura Quorvel connessa al programmatore selezionato."},
        {137,
         "Scrive tutti i dati modificati nell'apparecchiatura Quorvel connessa al programmatore "
         "selezionato."},
        {138, "Clicca sul logo per visionare il sito web Quorvel."},
        {139, "Tabella di allocazione delle frequenze"},
        {140,
         "La batteria nel programmatore e' quasi esaurita! Prego sostituirla, la programmazione "
         "potrebbe non risultare corretta!"},
        {141,
         "Non e' possibile importare da un file due gruppi di frequenze con lo stesso gruppo di "
         "destinazione!"},
        {142,
         "Alcuni codici di subtono presenti nel file importato non sono disponibili per l'hardware "
         "corrente! Tali subtoni sono stati sostituiti con il valore predefinito!"},
        {143, "Gruppo origine"},
        {144, "Gruppo Destinazione"},
        {145, "Nome modello rilevato"},
        {146,
         "La batteria nel programmatore e' quasi esaurita! Prego sostituirla, la programmazione "
         "potrebbe non risultare corretta! Continuare ugualmente?"},
        {147, "Canalizzazione"},

        {1000, "The device could not be backed up before the write:\n%s\nWrite anyway?"},
        {1001, "The device could not be backed up:\n%s"},
        {1002, "This image belongs to another model, not to the connected device!"},
        {1003, "This file cannot be read as a device image!"},
        {1004, "Device image loaded: the next write sends it to the device."},
        {1005, "Device images"},
        {1006, "Nothing to change."},
        {1007, "channel"},
        {1008, "frequency"},
        {1009, "divider"},
        {1010, "programming date"},
        {1011, "other bytes"},

        {1012, "No printer found: save the frequency sheet as a PDF file"},
        {1013, "PDF files"},
        {1014, "Cannot write the file \"%s\"."},
        {1015, "No serial port found: connect the programmer's USB cable, then press ?."},
        {1016, "%s: permission denied — add your user to the dialout group and log in again"},
        {1017, "%s is busy: another program is using it. Close that program, then press ?."},
        {1018,
         "No programmer answered on COM1 … COM4: check that it is connected and switched "
         "on, then press ?."},
        {1019, "Check compatibility\xE2\x80\xA6"},
        {1020, "Make group compatible\xE2\x80\xA6"},
        {1021, "Compatibility of group %1"},
        {1022, "The group is compatible."},
        {1023, "Conflicts found: %1"},
        {1024, "Channel"},
        {1025, "Kind"},
        {1026, "Sources (kHz)"},
        {1027, "Product (kHz)"},
        {1028, "Distance (kHz)"},
        {1029, "Spacing (kHz)"},
        {1030, "IM3, 2 transmitters (kHz)"},
        {1031, "IM3, 3 transmitters (kHz)"},
        {1032, "IM5 (kHz)"},
        {1033, "Guards (0 turns a check off)"},
        {1034, "spacing"},
        {1035, "IM3"},
        {1036, "IM3, 3 transmitters"},
        {1037, "IM5"},
        {1038, "image"},
        {1039, "excluded"},
        {1040, "Now (kHz)"},
        {1041, "New (kHz)"},
        {1042, "The group is compatible already: no channel changes."},
        {1043,
         "%1 channels get a new frequency. OK puts them into the grid; write sends them to the "
         "device."},
        {1044, "Only %1 of %2 compatible channels found: nothing changes."},
        {1045, "Make group %1 compatible"},
        {1046, "Close"},
        {1047, "OK"},
        {1048, "Cancel"},
        {1090, "RF scan"},

        {1110, "Spectrum\xE2\x80\xA6"},
        {1111, "Spectrum of group %1"},
        {1112, "channel"},
        {1113, "conflicting channel"},
        {1114, "other transmitter"},
        {1115, "IM3 products"},
        {1116, "3-transmitter products"},
        {1117, "guard band"},
        {1118, "excluded"},
        {1119, "TV channel, excluded"},
        {1120, "TV channel, searched"},
        {1121, "scan (dBm)"},
        {1122, "threshold"},
        {1123, "Channel %1 at %2 MHz"},
        {1124, "Other transmitter at %1 MHz"},
        {1125, "IM3 at %1 MHz: 2 \xC3\x97 %2 \xE2\x88\x92 %3"},
        {1126, "TV channel %1: %2\xE2\x80\x93%3 MHz"},
        {1127, "Excluded: %1\xE2\x80\x93%2 MHz"},
        {1128, "Scan: %1 dBm at %2 MHz"},
        {1129, "Profile"},
        {1130, "as set"},
        {1131, "Receiver window (MHz, 0 off)"},
        {1132, "Scan file\xE2\x80\xA6"},
        {1133, "Threshold (dBm)"},
        {1134, "Scan guard (kHz)"},
        {1135, "No scan loaded"},
        {1136, "%1: %2 points"},
        {1137, "Scan files"},
        {1138, "%1 is no readable scan file"},
        {1139, "TV channels"},
        {1140, "none"},
        {1141, "Europe, 8 MHz"},
        {1142, "USA, 6 MHz"},
        {1143, "exclude"},
        {1144, "search in"},
        {1145, "Search from (kHz)"},
        {1146, "to (kHz)"},
        {1147, "RF scan and TV channels"},

        {2000,
         "Impossibile salvare una copia dell'apparato prima della scrittura:\n%s\nScrivere "
         "comunque?"},
        {2001, "Impossibile salvare una copia dell'apparato:\n%s"},
        {2002, "Questa immagine appartiene a un altro modello, non all'apparato connesso!"},
        {2003, "Questo file non e' leggibile come immagine dell'apparato!"},
        {2004, "Immagine dell'apparato caricata: la prossima scrittura la inviera' all'apparato."},
        {2005, "Immagini dell'apparato"},
        {2006, "Nessuna modifica."},
        {2007, "canale"},
        {2008, "frequenza"},
        {2009, "divisore"},
        {2010, "data di programmazione"},
        {2011, "altri byte"},
        {2012, "Nessuna stampante trovata: salva la tabella delle frequenze come file PDF"},
        {2013, "File PDF"},
        {2014, "Impossibile scrivere il file \"%s\"."},
        {2015,
         "Nessuna porta seriale trovata: collega il cavo USB del programmatore, poi premi ?."},
        {2016,
         "%s: permesso negato — aggiungi il tuo utente al gruppo dialout e accedi di "
         "nuovo"},
        {2017,
         "%s è occupata: un altro programma la sta usando. Chiudi quel programma, poi "
         "premi ?."},
        {2018,
         "Nessun programmatore ha risposto su COM1 … COM4: controlla che sia collegato e "
         "acceso, poi premi ?."},
        {2019, "Verifica compatibilit\xC3\xA0\xE2\x80\xA6"},
        {2020, "Rendi compatibile il gruppo\xE2\x80\xA6"},
        {2021, "Compatibilit\xC3\xA0 del gruppo %1"},
        {2022, "Il gruppo \xC3\xA8 compatibile."},
        {2023, "Conflitti trovati: %1"},
        {2024, "Canale"},
        {2025, "Tipo"},
        {2026, "Sorgenti (kHz)"},
        {2027, "Prodotto (kHz)"},
        {2028, "Distanza (kHz)"},
        {2029, "Spaziatura (kHz)"},
        {2030, "IM3, 2 trasmettitori (kHz)"},
        {2031, "IM3, 3 trasmettitori (kHz)"},
        {2032, "IM5 (kHz)"},
        {2033, "Margini (0 disattiva il controllo)"},
        {2034, "spaziatura"},
        {2035, "IM3"},
        {2036, "IM3, 3 trasmettitori"},
        {2037, "IM5"},
        {2038, "immagine"},
        {2039, "escluso"},
        {2040, "Attuale (kHz)"},
        {2041, "Nuova (kHz)"},
        {2042, "Il gruppo \xC3\xA8 gi\xC3\xA0 compatibile: nessun canale cambia."},
        {2043,
         "%1 canali ricevono una nuova frequenza. OK li inserisce nella griglia; scrivi li invia "
         "all'apparato."},
        {2044, "Trovati solo %1 canali compatibili su %2: nessuna modifica."},
        {2045, "Rendi compatibile il gruppo %1"},
        {2046, "Chiudi"},
        {2047, "OK"},
        {2048, "Annulla"},
        {2090, "scansione RF"},

        {2110, "Spettro\xE2\x80\xA6"},
        {2111, "Spettro del gruppo %1"},
        {2112, "canale"},
        {2113, "canale in conflitto"},
        {2114, "altro trasmettitore"},
        {2115, "prodotti IM3"},
        {2116, "prodotti di 3 trasmettitori"},
        {2117, "banda di guardia"},
        {2118, "escluso"},
        {2119, "canale TV, escluso"},
        {2120, "canale TV, per la ricerca"},
        {2121, "scansione (dBm)"},
        {2122, "soglia"},
        {2123, "Canale %1 a %2 MHz"},
        {2124, "Altro trasmettitore a %1 MHz"},
        {2125, "IM3 a %1 MHz: 2 \xC3\x97 %2 \xE2\x88\x92 %3"},
        {2126, "Canale TV %1: %2\xE2\x80\x93%3 MHz"},
        {2127, "Escluso: %1\xE2\x80\x93%2 MHz"},
        {2128, "Scansione: %1 dBm a %2 MHz"},
        {2129, "Profilo"},
        {2130, "come impostato"},
        {2131, "Finestra del ricevitore (MHz, 0 disattiva)"},
        {2132, "File di scansione\xE2\x80\xA6"},
        {2133, "Soglia (dBm)"},
        {2134, "Margine dalla scansione (kHz)"},
        {2135, "Nessuna scansione caricata"},
        {2136, "%1: %2 punti"},
        {2137, "File di scansione"},
        {2138, "%1 non \xC3\xA8 un file di scansione leggibile"},
        {2139, "Canali TV"},
        {2140, "nessuno"},
        {2141, "Europa, 8 MHz"},
        {2142, "USA, 6 MHz"},
        {2143, "escludi"},
        {2144, "cerca in"},
        {2145, "Cerca da (kHz)"},
        {2146, "a (kHz)"},
        {2147, "Scansione RF e canali TV"},
    };
}

}  // namespace

StringTable::StringTable() : strings_(builtInStrings()) {}

std::string_view StringTable::string(int id) const {
    const auto found = strings_.find(id);
    return found == strings_.end() ? std::string_view() : std::string_view(found->second);
}

std::string_view StringTable::localText(int englishId, int language) const {
    if (englishId >= kFirstAddedTextId && englishId < kFirstAddedTextId + kAddedLanguageStride) {
        if (language < 0) return {};
        return string(englishId + kAddedLanguageStride * language);
    }
    const int index = englishId - kFirstTextId;
    if (index < 0 || index >= kTextCount || language < 0) return {};
    return string(kFirstTextId + kLanguageStride * language + index);
}

std::vector<std::string> StringTable::languages() const {
    return parseLanguageList(string(kLanguageListId));
}

std::uint32_t StringTable::skinColour() const {
    std::string_view text = string(kSkinColourId).substr(0, kMaxSkinColourLength);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    std::uint32_t colour = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), colour, 16);
    return error == std::errc() ? colour : 0;
}

}  // namespace quorprog
