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
        // Frequency coordination (grid context menu and its dialogs).
        {1000, "Check compatibility\xE2\x80\xA6"},
        {1001, "Make group compatible\xE2\x80\xA6"},
        {1002, "Compatibility of group %1"},
        {1003, "The group is compatible."},
        {1004, "Conflicts found: %1"},
        {1005, "Channel"},
        {1006, "Kind"},
        {1007, "Sources (kHz)"},
        {1008, "Product (kHz)"},
        {1009, "Distance (kHz)"},
        {1010, "Spacing (kHz)"},
        {1011, "IM3, 2 transmitters (kHz)"},
        {1012, "IM3, 3 transmitters (kHz)"},
        {1013, "IM5 (kHz)"},
        {1014, "Guards (0 turns a check off)"},
        {1015, "spacing"},
        {1016, "IM3"},
        {1017, "IM3, 3 transmitters"},
        {1018, "IM5"},
        {1019, "image"},
        {1020, "excluded"},
        {1021, "Now (kHz)"},
        {1022, "New (kHz)"},
        {1023, "The group is compatible already: no channel changes."},
        {1024,
         "%1 channels get a new frequency. OK puts them into the grid; write sends them to the "
         "device."},
        {1025, "Only %1 of %2 compatible channels found: nothing changes."},
        {1026, "Make group %1 compatible"},
        {1027, "Close"},
        {1028, "OK"},
        {1029, "Cancel"},
        {1100, "Verifica compatibilit\xC3\xA0\xE2\x80\xA6"},
        {1101, "Rendi compatibile il gruppo\xE2\x80\xA6"},
        {1102, "Compatibilit\xC3\xA0 del gruppo %1"},
        {1103, "Il gruppo \xC3\xA8 compatibile."},
        {1104, "Conflitti trovati: %1"},
        {1105, "Canale"},
        {1106, "Tipo"},
        {1107, "Sorgenti (kHz)"},
        {1108, "Prodotto (kHz)"},
        {1109, "Distanza (kHz)"},
        {1110, "Spaziatura (kHz)"},
        {1111, "IM3, 2 trasmettitori (kHz)"},
        {1112, "IM3, 3 trasmettitori (kHz)"},
        {1113, "IM5 (kHz)"},
        {1114, "Margini (0 disattiva il controllo)"},
        {1115, "spaziatura"},
        {1116, "IM3"},
        {1117, "IM3, 3 trasmettitori"},
        {1118, "IM5"},
        {1119, "immagine"},
        {1120, "escluso"},
        {1121, "Attuale (kHz)"},
        {1122, "Nuova (kHz)"},
        {1123, "Il gruppo \xC3\xA8 gi\xC3\xA0 compatibile: nessun canale cambia."},
        {1124,
         "%1 canali ricevono una nuova frequenza. OK li inserisce nella griglia; scrivi li invia "
         "all'apparato."},
        {1125, "Trovati solo %1 canali compatibili su %2: nessuna modifica."},
        {1126, "Rendi compatibile il gruppo %1"},
        {1127, "Chiudi"},
        {1128, "OK"},
        {1129, "Annulla"},
    };
}

}  // namespace

StringTable::StringTable() : strings_(builtInStrings()) {}

std::string_view StringTable::string(int id) const {
    const auto found = strings_.find(id);
    return found == strings_.end() ? std::string_view() : std::string_view(found->second);
}

std::string_view StringTable::localText(int englishId, int language) const {
    const int added = englishId - kFirstAddedTextId;
    if (added >= 0 && added < kAddedTextCount && language >= 0)
        return string(englishId + kAddedLanguageStride * language);
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
