#include "help_text.h"

namespace quorprog::cli {

const char* const kHelpText = R"(Usage: quorprog-cli [global options] COMMAND [arguments]

Reads, shows and programs Quorvel wireless devices through a programmer box, without a window.
It does exactly what the Quorvel Programmer does, with the same messages, log lines and bytes.

Global options (before the command):
  --description FILE   use this device description instead of the built-in one
  --log FILE           append the log (the same lines as log.txt) to FILE; default: no log
  --yes                answer Yes to every question (write confirmation, low battery)
  --json               machine-readable output for show, read, map, qvm, diff, backups, ports,
                       check, coordinate and the --dry-run of program and restore; it may
                       also follow the command
  --no-backup          keep no backup of the device (see BACKUPS below)
  --help               this text
  --version            the program version

Commands:
  scan
      Lists the programmers found on COM1..COM4, one line each: "<version line> on COMn".
      Exit status 1 when none answers.

  read [-p N] [-o IMAGE]
      Reads the device on the N-th programmer found (default 1), retrying with slower timing,
      identifies its model and prints the model and its channel plan. With -o the raw memory
      (whole 256-byte banks) is saved to IMAGE.

  show IMAGE
      Identifies a raw image file against the models of the description, in order, and prints
      its channel plan.

  program [-p N] [--map I:J,...] [--dry-run] FILE.qvm
      Reads the device, loads the channel file into it and writes it back: the device is checked
      against what was read, the battery asked, the programming date stamped and every changed
      byte verified by reading it back. A file saved from the same model goes in directly. A file
      from another model needs --map: file group I goes to device group J (numbers from 0; a
      device group qualifies when its range contains the file group's range). Without --map the
      possible destinations are listed. The write asks for confirmation: answer on the terminal,
      or give --yes. With --dry-run the device is read and what the write would change is
      printed (as diff prints it); nothing is written.

  program (--ports COMa,COMb,... | --all-ports) [--map I:J,...] [--dry-run] [--rounds N]
          [--report FILE] FILE.qvm
      Programs several devices at once, one programmer box each: the ports named, or every
      port where a programmer answers the scan. Each device gets exactly what program does for
      one, on its own line and at the same time as the others; one that fails leaves the
      others alone. One question for the whole round (none with --yes), a live line per port,
      then a table: port, programmer, model, result (with the reason of a failure), bytes
      changed, seconds. --rounds N repeats: after each round, connect the next devices and
      press Enter (the end of the input stops; --rounds 0 goes on until then). A device that
      holds what this run wrote to a device is refused unless you say Yes at the terminal
      (--yes does not answer that question). --report FILE adds one record per device: a CSV
      file (time,round,port,programmer,model,result,message,changes,backup; the header when
      the file is new), or for FILE.json {"devices":[...]} with the records the file held and
      every device of the run. A file that is no such report is not replaced. With --log each
      line of a device is prefixed by its port ("COM1: "). Exit status 0 only when every
      device succeeded, 1 when any failed.

  restore [-p N] [--dry-run] IMAGE
      Reads the device and, when IMAGE is a raw image of the same model (a backup, or a file
      of read -o), writes every byte that differs from it, with the checks of program. The
      programming dates become today's; everything else equals the image. With --dry-run only
      what would change is printed.

  diff IMAGE_A IMAGE_B
      Lists what differs between two raw images of the same model, decoded: per group and
      channel the frequency (MHz), subtone and divider, the range, the options and the
      programming date, then any other byte as "address: old -> new". Exit status 0 when the
      images are equal, 3 when they differ.

  backups
      Lists the device backups, newest first, with time, kind and model.

  map read IMAGE (--key KEY | --entry TEXT) [--section NAME]
      Prints the value of a memory-map key or entry text in a raw image; -1 means no value
      and gives exit status 1.
  map write IMAGE (--key KEY | --entry TEXT) VALUE [--section NAME]
      Stores VALUE (decimal, or hexadecimal after $ or 0x) into IMAGE in place and lists the
      addresses it stored. The file keeps its length unless a byte beyond it was stored.
  map text IMAGE --entry TEXT [--section NAME]
      Prints the text an entry locates (a date, the identification letters).
      NAME is a memory-map section of the description; by default the memory map of the model
      the image is identified as.

  qvm FILE
      Prints a channel file: its header and every group with channels and subtone codes.

  sheet SOURCE -o FILE.pdf [--title TEXT] [--language en|it]
      Prints the frequency allocation sheet of SOURCE, a channel file (*.qvm), a raw image or
      a plan CSV, into a PDF file: the same pages as the program's print command, dated today. --title
      replaces the heading of every page; --language chooses the texts (default: the language
      of quorprog.ini). Needs no display.

  ports
      Why no programmer is found. For COM1..COM4: the device the name resolves to and how (the
      [PORTS] entry, or the n-th serial port of the system) and what opening it gives: opens,
      permission denied (add your user to the dialout group and log in again), busy (another
      program holds it) or missing. Then every serial port the system lists, in the order COMn
      counts them, with its description, maker and USB vendor:product ids. Exit status 0.
      With --json, one object:
        {"comPorts": [{"name", "device", "source", "access"}, ...],
         "systemPorts": [{"device", "name", "description", "manufacturer", "serialNumber",
                          "vendorId", "productId"}, ...]}
      source is "settings", "system", "name" or "none" (no device); access is "opens",
      "permission denied", "busy", "missing" or "error"; vendorId and productId are 4-digit
      hexadecimal texts, or null for a port that is not a USB adapter.

  check SOURCE [--group N] [guards] [--with F]... [--exclude LOW-HIGH]... [--all] [--json]
      Checks each group of a plan (or group N) for intermodulation and spacing conflicts and
      prints "Group N: compatible" or the conflicts, one line each: channel, kind, sources and
      distance. SOURCE is a channel file, a raw image or a plan CSV. A channel is disturbed by:
        spacing   another transmitter closer than --spacing (default 350 kHz)
        im3       2a - b of two others closer than --im3 (default 100 kHz)
        im3x3     a + b - x of three others closer than --im3x3 (default 50 kHz)
        im5       3a - 2b of two others closer than --im5 (default 0: off)
        image     a transmitter near its image frequency (receiver groups of a raw image, which
                  holds the IF and the oscillator side)
        excluded  a range given with --exclude LOW-HIGH (kHz, both ends included) or a TV
                  channel of --exclude-tv
        scan      an occupied point of an RF scan closer than --scan-guard (default 100 kHz)
      The other channels of the group and every --with F (another transmitter on site) are the
      transmitters. A guard of 0 turns a kind off. Text output lists the first 10 conflicts of
      a channel and counts the rest; --all (and --json) lists them all. A group of more than
      1024 channels is refused. Exit status 3 when a conflict was found.
      Options of check and coordinate besides the guards:
        --profile NAME     standard (spacing 400, im3 200, im3x3 150, window 100 MHz), robust
                           (600, 200, 150, im5 150, window 200 MHz) or dense (350, 175, im3x3
                           off, window 100 MHz); a guard option or --window overrides it
        --window MHZ       the receivers' front-end filter: a transmitter farther than MHZ/2
                           from a channel does not disturb it (default off)
        --scan FILE        an RF scan, repeatable: lines of frequency (Hz, kHz or MHz, told by
                           the magnitude) and level in dBm, separated by a comma, semicolon,
                           tab or blanks; # comments and a header line allowed
        --threshold DBM    a scan point at or above this level is occupied (default -90)
        --scan-guard KHZ   how close to an occupied point a channel may come (default 100)
        --exclude-tv REGION:LIST   TV channels as excluded ranges, repeatable; REGION eu (8 MHz,
                           21-69 from 470 MHz) or us (6 MHz, 14-51 from 470 MHz), LIST like
                           21,23,30-35
        --only-tv REGION:LIST      coordinate searches only inside these TV channels (and
                           without --from/--to, their span); check flags channels outside them

  coordinate --from KHZ --to KHZ --step KHZ --count N [--keep F]... [guards] [--with F]...
             [--exclude LOW-HIGH]... [--json]
      Prints up to N mutually compatible frequencies on the grid, the kept ones included: the
      largest set a search of under a second finds (at least first-fit's; the largest there is
      in a TV channel's width). Exit status 3 with "only M of N compatible channels found" when
      fewer fit.
  coordinate FILE.qvm --group G -o OUT.qvm [--step KHZ] [guards] [--with F]...
             [--exclude LOW-HIGH]...
      Keeps the channels of group G that can stay (on the group's step, in channel order while
      they fit) and gives the others compatible frequencies on the group's step and range; the
      plan with the other groups unchanged goes to OUT.qvm and the changes are printed. A
      channel file holds no step: it is the one the description gives the file's model (its
      first XTAL divider) unless --step says otherwise. Empty channels stay empty. When not
      every channel fits, nothing is written and the exit status is 3.

  spectrum SOURCE -o FILE.svg|FILE.png|FILE.pdf [--group G] [--size WxH] [--language en|it]
           [guards] [the options of check and coordinate above]
      Draws the spectrum of group G (default 0) of SOURCE (as for check) into a picture, its
      format by the extension: each channel a vertical line, red when check finds a conflict
      for it, other transmitters (--with) in green, IM3 products as marks at the foot, the
      density of three-transmitter products as a strip, guard bands, excluded ranges and TV
      channels (--exclude-tv, --only-tv) shaded, the --scan trace with its --threshold, and a
      legend; frequencies in MHz. --size is in pixels (points in a PDF), default 1200x480.
      Needs no display.

  export-csv SOURCE -o FILE.csv
      Writes a plan as "group,channel,frequency_khz,subtone" lines after that header line, one
      per channel (kHz with a dot, 0 for an empty channel, the subtone code), for coordination
      tools. SOURCE as for check.
  import-csv FILE.csv --into FILE.qvm -o OUT.qvm [--step KHZ]
      Puts the CSV's frequencies into the channel file's groups and writes OUT.qvm; the plan's
      subtones stay. A line whose group or channel the plan lacks, or whose frequency is outside
      the group's range, off its step (see coordinate) or finer than a channel file keeps, is
      refused with its line number and nothing is written.

CSV INPUT (check, sheet, spectrum, export-csv, import-csv) is read as RFC 4180: a UTF-8 byte
order mark, CR LF or LF line ends, quoted fields ("" for a quote), blanks around fields and
blank lines at the end are taken; anything else is refused naming its line and column. A CSV
file larger than 1 MiB is refused.

BACKUPS: every read keeps the image it read, and every write, once its check read has
confirmed the device, keeps what the device held before the first byte is written. They are
raw images in the per-user data folder (Linux: ~/.local/share/quorprog/backups/), shared with
the program, named "YYYYMMDD-HHMMSS <model> read.bin" or "... before write.bin", and never
deleted. When a backup cannot be saved the write is refused (exit status 1) unless --no-backup
is given.

COM names are resolved as in the program: the key COMn of section [PORTS] in quorprog.ini
(for example COM1=/dev/ttyUSB0), otherwise the n-th serial port of the system.
Messages the program shows in a box are printed on standard error as "CAPTION: text".

Exit status: 0 success, 1 the operation failed (device, file, identification), 2 usage error,
3 the answer is no: diff found differences, check found conflicts, coordinate found fewer
compatible channels than asked for.

Examples:
  quorprog-cli scan
  quorprog-cli read -o backup.bin
  quorprog-cli --yes --log quorprog.log program plan.qvm
  quorprog-cli program --map 0:1 plan.qvm
  quorprog-cli --json map read backup.bin --key Partition0.MinFreq
  quorprog-cli program --dry-run plan.qvm
  quorprog-cli --yes program plan.qvm --all-ports --rounds 0 --report show.csv
  quorprog-cli diff backup.bin other.bin
  quorprog-cli --yes restore "20261208-143005 dual group system before write.bin"
  quorprog-cli sheet plan.qvm -o sheet.pdf --language it
  quorprog-cli spectrum plan.qvm --group 1 --with 606000 -o spectrum.svg
  quorprog-cli ports
  quorprog-cli check backup.bin --with 606000 --exclude 614000-622000
  quorprog-cli coordinate --from 470000 --to 790000 --step 12.5 --count 32
  quorprog-cli coordinate plan.qvm --group 0 -o compatible.qvm
)";

}  // namespace quorprog::cli
