#!/usr/bin/env python3
"""Writes the shipped seed files: Skyglass.ini, the seed site lists, DefPage.htm and the
two sounds. Run it from anywhere; it writes beside itself. The output is checked in."""

import math
import os
import struct
import wave

HERE = os.path.dirname(os.path.abspath(__file__))


def text(value, width):
    raw = value.encode("cp1252")[:width]
    return raw + b" " * (width - len(raw))


def settings_record():
    rec = bytearray(1670)

    def put(offset, fmt, value):
        struct.pack_into("<" + fmt, rec, offset, value)

    def put_text(offset, width, value):
        rec[offset:offset + width] = text(value, width)

    # Window placement 0: the first main window places itself from the screen's work area.
    for off in (0, 4, 8, 12):
        put(off, "f", 0.0)
    put(16, "f", 9000.0)   # EditorWidth
    put(20, "f", 6600.0)   # EditorHeight
    put(24, "h", 0)
    put(26, "i", 0)
    put_text(30, 300, "")  # StartPage: empty means the help page
    put(330, "i", 0)
    put(334, "h", 0)
    put_text(336, 128, "DejaVu Sans")  # FontName
    put(464, "h", 0)       # FontBold
    put(466, "f", 9.0)     # FontSize
    for i in range(4):
        put(470 + 4 * i, "f", 0.0)  # EditorColumnWidths: computed by the editor
    put(486, "h", 0)       # ToolTipsOff
    put(488, "h", 0)       # DeleteWarningsOff
    put(490, "h", 0)       # SeparateCategorySelector
    put(492, "d", 0.0)     # LastBackupTime
    put(500, "h", 0)       # ScriptErrorsSilenced
    put(502, "h", 1)       # EditorBackupEnabled
    put(504, "h", 1)       # PopUpKilling
    put(506, "h", 0)       # NewWindowStaysChecked
    put(508, "h", 5)       # RefreshInterval: radar loops update every few minutes
    put(510, "h", 0)       # StatusBarHidden
    put(512, "h", 0)       # HideControlsMode
    put(514, "i", 30)      # HistoryDaysToKeep
    put_text(518, 248, "")
    for i in range(4):
        put(766 + 4 * i, "f", 0.0)  # History window placement: computed
    for i in range(8):
        put(782 + 4 * i, "f", 0.0)  # History column widths: computed
    put(814, "h", 0)       # HistoryOneClick
    put(816, "h", 1)       # HistoryKeepNewestVisible
    put(818, "h", 0)       # HistoryShowDuplicates
    put(820, "h", 0)       # PopUpKillBoom
    put_text(822, 256, "/usr/bin/pidgin")
    put_text(1078, 256, "/usr/bin/thunderbird")
    put_text(1334, 32, "Pidgin")
    put_text(1366, 256, "Thunderbird")
    put(1622, "h", 0)      # StoreDuplicateUrls
    put(1624, "i", 0x80000005 - (1 << 32))  # PanelBackColor
    put(1628, "h", 1)      # CheckBoxesShown
    put(1630, "h", 0)      # TimerControlsSwapped
    put(1632, "h", 0)      # CycleButton1State
    put(1634, "h", 0)      # CycleButton2State
    put(1636, "i", 0)
    for i in range(4):
        put(1640 + 4 * i, "f", 0.0)  # ColumnWidths: 0 loads as 6000
    put(1656, "i", 0)
    put(1660, "h", 0)      # RefreshMode Normal
    put(1662, "h", 0)      # ClockHidden
    put(1664, "h", 0)      # ClockUtc
    put(1666, "h", 0)      # HistoryOnTop
    put(1668, "h", 0)      # HistoryShowTime
    return bytes(rec)


CATEGORIES = [
    ("Radar", [
        ("NWS Radar - United States", "https://radar.weather.gov/"),
        ("RainViewer Global Radar", "https://www.rainviewer.com/map.html"),
        ("Environment Canada Radar", "https://weather.gc.ca/radar/index_e.html"),
        ("Met Office Rainfall Radar", "https://www.metoffice.gov.uk/weather/maps-and-charts/rainfall-radar-forecast-map"),
        ("Windy Weather Radar", "https://www.windy.com/-Weather-radar-radar"),
    ]),
    ("Satellite", [
        ("GOES Imagery - NOAA STAR", "https://www.star.nesdis.noaa.gov/GOES/index.php"),
        ("RAMMB SLIDER", "https://rammb-slider.cira.colostate.edu/"),
        ("EUMETView", "https://view.eumetsat.int/"),
        ("NASA Worldview", "https://worldview.earthdata.nasa.gov/"),
        ("Zoom Earth", "https://zoom.earth/"),
    ]),
    ("Forecasts", [
        ("National Weather Service", "https://www.weather.gov/"),
        ("Weather Prediction Center", "https://www.wpc.ncep.noaa.gov/"),
        ("Met Office Forecast", "https://www.metoffice.gov.uk/weather/forecast"),
        ("ECMWF Charts", "https://charts.ecmwf.int/"),
        ("meteoblue", "https://www.meteoblue.com/"),
    ]),
    ("Severe Weather", [
        ("Storm Prediction Center", "https://www.spc.noaa.gov/"),
        ("SPC Mesoscale Analysis", "https://www.spc.noaa.gov/exper/mesoanalysis/"),
        ("NWS Active Alerts", "https://alerts.weather.gov/"),
        ("ESTOFEX", "https://www.estofex.org/"),
        ("Meteoalarm Europe", "https://www.meteoalarm.org/"),
    ]),
    ("Tropical", [
        ("National Hurricane Center", "https://www.nhc.noaa.gov/"),
        ("Joint Typhoon Warning Center", "https://www.metoc.navy.mil/jtwc/jtwc.html"),
        ("CIMSS Tropical Cyclones", "https://tropic.ssec.wisc.edu/"),
        ("Tropical Tidbits", "https://www.tropicaltidbits.com/"),
    ]),
    ("Aviation", [
        ("Aviation Weather Center", "https://aviationweather.gov/"),
        ("AWC Graphical Forecasts", "https://aviationweather.gov/gfa/"),
        ("Blitzortung Lightning Map", "https://map.blitzortung.org/"),
        ("LightningMaps.org", "https://www.lightningmaps.org/"),
    ]),
]

DEFPAGE = (b"<html>\r\n<head>\r\n<title>Pre-Navigate Default Page</title>\r\n</head>\r\n"
           b"<body>\r\n<p align=\"center\">___________________________</p>\r\n"
           b"</body>\r\n</html>\r\n")


def write(path, data):
    with open(os.path.join(HERE, path), "wb") as f:
        f.write(data)


def sound(path, seconds, sample):
    rate = 22050
    frames = bytearray()
    for i in range(int(rate * seconds)):
        value = max(-1.0, min(1.0, sample(i / rate)))
        frames += struct.pack("<h", int(value * 32000))
    with wave.open(os.path.join(HERE, path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def click(t):
    # A short tick: a 2.4 kHz burst that dies away in a few milliseconds.
    return 0.8 * math.sin(2 * math.pi * 2400 * t) * math.exp(-t * 900)


def pop(t):
    # A falling "pop" with a little noise-like roughness from two detuned tones.
    freq = 900 * math.exp(-t * 9)
    phase = 2 * math.pi * (900 / 9) * (1 - math.exp(-t * 9))
    body = math.sin(phase) + 0.3 * math.sin(phase * 2.01 + freq * 0.001)
    return 0.7 * body * math.exp(-t * 10)


def main():
    write("Skyglass.ini", settings_record())
    cat = b""
    for number, (name, sites) in enumerate(CATEGORIES, start=1):
        cat += text(name, 158) + struct.pack("<h", number)
        body = b"".join(text(n, 140) + text(u, 260) for n, u in sites)
        write("SiteLists/Sites%05d.dab" % number, body)
    write("SiteLists/CatList.dab", cat)
    write("DefPage.htm", DEFPAGE)
    sound("Images/Click.wav", 0.03, click)
    sound("Images/Kill-Popz.wav", 0.35, pop)


if __name__ == "__main__":
    main()
