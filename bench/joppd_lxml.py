#!/usr/bin/python3
"""The JOPPD return of one payment made the way ERP modules commonly make it: the rows read with
sqlite3 in one join (joppd_rows.sql), the document built as an lxml tree, validated with lxml's
XMLSchema and written out. joppd_bench runs it beside the program's own return, as a yardstick.

    joppd_lxml.py DATABASE PAYMENT SCHEMA OUTPUT

Exit 0 when the file is written and valid, 1 when the schema refuses it, 2 without lxml.
"""

import datetime
import os
import sqlite3
import sys

try:
    from lxml import etree
except ImportError:
    sys.stderr.write("python3-lxml is not installed\n")
    sys.exit(2)

NS = "http://e-porezna.porezna-uprava.hr/sheme/zahtjevi/ObrazacJOPPD/v1-1"
META = "http://e-porezna.porezna-uprava.hr/sheme/Metapodaci/v2-0"
EPOCH = datetime.date(1800, 12, 28)  # serial day 0 of the stored dates

ROWS = open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "joppd_rows.sql"), encoding="utf-8").read()

HEADER = """
SELECT i.DATUM, i.RSID, s.NAZIV, s.KUCNIBROJ, s.OIB, m.NAZIV, u.NAZIV
FROM ISPLATE i JOIN SUBJEKTI s ON s.OZNAKA = i.ISPLATITELJ
JOIN MJESTA m ON m.OZNAKA = s.MJESTO JOIN ULICE u ON u.OZNAKA = s.ULICA
WHERE i.OZNAKA = ?
"""

# Position of a calculation line -> the amounts of page B it goes to.
TAKES = {1: ["P11"], 3: ["P131"], 4: ["P12"], 5: ["P121", "P132"], 6: ["P122", "P132"],
         7: ["P133", "P135"], 8: ["P141"], 9: ["P142"], 10: ["P162"], 11: ["P123"]}
AMOUNTS = ["P11", "P12", "P121", "P122", "P123", "P124", "P125", "P126", "P127", "P128", "P129",
           "P131", "P132", "P133", "P134", "P135", "P141", "P142", "P162"]
P61 = {"01": "4001", "02": "4002", "00": "0000", "11": "1001"}


def money(cents):
    sign = "-" if cents < 0 else ""
    cents = abs(cents)
    return "%s%d.%02d" % (sign, cents // 100, cents % 100)


def sub(parent, name, **attributes):
    """A child in its parent's namespace."""
    return etree.SubElement(parent, "{%s}%s" % (etree.QName(parent).namespace, name), **attributes)


def leaf(parent, name, text, **attributes):
    e = sub(parent, name, **attributes)
    e.text = text
    return e


def items(db, payment):
    """Each item's row with its lines gathered, in the order of the payment's items."""
    current, row = None, None
    for oznaka, oib, ime, prezime, shifra, kat, primitak, code, method, pos, iznos in db.execute(ROWS, {"payment": payment}):
        if oznaka != current:
            if row:
                yield row
            current = oznaka
            row = {"oib": oib, "name": ime + " " + prezime, "opcina": shifra.zfill(5), "kat": kat, "code": code // 100,
                   "primitak": primitak[:4], "method": method, "sums": dict.fromkeys(AMOUNTS, 0)}
        for p in TAKES.get(pos, []):
            row["sums"][p] += iznos
    if row:
        yield row


def period(paid, untaxed):
    """The calculation period: the year paid, or the month before it for untaxed receipts."""
    if not untaxed:
        return "%d-01-01" % paid.year, "%d-12-31" % paid.year
    end = paid.replace(day=1) - datetime.timedelta(days=1)
    return end.replace(day=1).isoformat(), end.isoformat()


def page_b(root, rows, paid):
    b = sub(sub(root, "StranaB"), "Primatelji")
    for n, r in enumerate(rows, 1):
        p = sub(b, "P")
        untaxed, sums = r["kat"] == "00", r["sums"]
        if r["kat"] != "02":
            sums["P12"] = 0
        if untaxed:
            sums.update(P11=0, P133=0, P135=0)
        start, end = period(paid, untaxed)
        for name, text in [("P1", str(n)), ("P2", r["opcina"]), ("P3", r["opcina"] if untaxed else "00000"),
                           ("P4", r["oib"]), ("P5", r["name"][:40]), ("P61", P61.get(r["kat"], "")),
                           ("P62", r["primitak"]), ("P71", "0"), ("P72", "0"), ("P8", "0"), ("P9", "0"), ("P10", "0"),
                           ("P100", "0"), ("P101", start), ("P102", end)]:
            leaf(p, name, text)
        for name in AMOUNTS[:18]:
            leaf(p, name, money(sums[name]))
        leaf(p, "P151", "%02d" % r["code"] if untaxed else "0")
        leaf(p, "P152", money(sums["P162"] if untaxed else 0))
        leaf(p, "P161", str(r["method"]))
        leaf(p, "P162", money(sums["P162"]))
        leaf(p, "P17", "0.00")


def amounts(parent, name, count, at=0, value=0):
    """An element of `count` amounts P1, P2, ... of which the one numbered `at` carries `value`."""
    e = sub(parent, name)
    for i in range(1, count + 1):
        leaf(e, "P%d" % i, money(value if i == at else 0))


def total(rows, *names):
    return sum(r["sums"][n] for r in rows for n in names)


def page_a(a, header, rows):
    datum, rsid, naziv, broj, oib, mjesto, ulica = header
    leaf(a, "DatumIzvjesca", (EPOCH + datetime.timedelta(days=datum)).isoformat())
    leaf(a, "OznakaIzvjesca", rsid)
    leaf(a, "VrstaIzvjesca", "1")
    pod = sub(a, "PodnositeljIzvjesca")
    leaf(pod, "Naziv", naziv)
    adr = sub(pod, "Adresa")
    leaf(adr, "Mjesto", mjesto)
    leaf(adr, "Ulica", ulica)
    leaf(adr, "Broj", broj)
    leaf(pod, "Email", "marko@pramo.hr")
    leaf(pod, "OIB", oib)
    leaf(pod, "Oznaka", "1")
    leaf(a, "BrojOsoba", str(len({r["oib"] for r in rows})))
    leaf(a, "BrojRedaka", str(len(rows)))
    pp = sub(a, "PredujamPoreza")
    capital = [r for r in rows if r["kat"] == "11"]
    for p, value in [("P1", 0), ("P11", 0), ("P12", 0), ("P2", total(capital, "P141", "P142")), ("P3", 0), ("P4", 0),
                     ("P5", total(rows, "P141", "P142") - total(capital, "P141", "P142")), ("P6", 0)]:
        leaf(pp, p, money(value))
    dop = sub(a, "Doprinosi")
    amounts(dop, "GeneracijskaSolidarnost", 7, 2, total(rows, "P121"))
    amounts(dop, "KapitaliziranaStednja", 6, 2, total(rows, "P122"))
    amounts(dop, "ZdravstvenoOsiguranje", 12, 5, total(rows, "P123"))
    amounts(dop, "Zaposljavanje", 4)
    untaxed = sum(r["sums"]["P162"] for r in rows if r["kat"] == "00")
    for name, value in [("IsplaceniNeoporeziviPrimici", untaxed), ("KamataMO2", 0), ("UkupniNeoporeziviPrimici", 0)]:
        leaf(a, name, money(value))
    inv = sub(a, "NaknadaZaposljavanjeInvalida")
    leaf(inv, "P1", "0")
    leaf(inv, "P2", "0.00")
    sas = sub(a, "IzvjesceSastavio")
    leaf(sas, "Ime", "Marko")
    leaf(sas, "Prezime", "Marić")


def metadata(root):
    m = etree.SubElement(root, "{%s}Metapodaci" % META, nsmap={None: META})
    for name, term, text in [("Naslov", "elements/1.1/title", "Izvješće o primicima"),
                             ("Autor", "elements/1.1/creator", "Marko Marić"),
                             ("Datum", "elements/1.1/date", datetime.datetime.now().strftime("%Y-%m-%dT%H:%M:%S")),
                             ("Format", "elements/1.1/format", "text/xml"),
                             ("Jezik", "elements/1.1/language", "hr-HR"),
                             ("Identifikator", "elements/1.1/identifier", "00000000-0000-4000-8000-000000000000"),
                             ("Uskladjenost", "terms/conformsTo", "ObrazacJOPPD-v1-1"),
                             ("Tip", "elements/1.1/type", "Elektronički obrazac")]:
        leaf(m, name, text, dc="http://purl.org/dc/" + term)
    leaf(m, "Adresant", "Ministarstvo Financija, Porezna uprava, Zagreb")


def main(database, payment, schema, output):
    db = sqlite3.connect(database)
    header = db.execute(HEADER, (int(payment),)).fetchone()
    rows = list(items(db, int(payment)))
    paid = EPOCH + datetime.timedelta(days=header[0])
    root = etree.Element("{%s}ObrazacJOPPD" % NS, verzijaSheme="1.1", nsmap={None: NS})
    metadata(root)
    page_a(sub(root, "StranaA"), header, rows)
    page_b(root, rows, paid)
    validator = etree.XMLSchema(etree.parse(schema))
    if not validator.validate(root):
        sys.stderr.write(str(validator.error_log.last_error) + "\n")
        return 1
    etree.ElementTree(root).write(output, xml_declaration=True, encoding="UTF-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
