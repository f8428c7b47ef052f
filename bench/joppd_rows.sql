-- The rows of a JOPPD return's page B in one join: every item of payment :payment with its payee,
-- the payee's municipality, the income type, the payment method (2 when none) and its calculation
-- lines, in the order of the items and of the lines. joppd_lxml.py builds the return from it;
-- joppd_bench runs it alone with the sqlite3 shell as part of a yardstick.
SELECT d.OZNAKA, o.OIB, o.IME, o.PREZIME, op.SHIFRA, v.REZSTRINGA, v.REZSTRINGB, v.REZDECIMALA,
       coalesce(s.VRISHORT, 2), l.POZICIJA, l.IZNOS
FROM DOHOCI d
JOIN OSOBE o ON o.OZNAKA = d.DJELATNIK
JOIN MJESTA m ON m.OZNAKA = o.MJESTO
JOIN OPCINE op ON op.OZNAKA = m.OPCINA
JOIN VRSTEDOH v ON v.OZNAKA = d.VRSTADOHOTKA
LEFT JOIN SVASTA s ON s.DOHODAK = d.OZNAKA AND s.BROJ = 1
JOIN OBRACUN l ON l.DOHODAK = d.OZNAKA
WHERE d.ISPLATA = :payment
ORDER BY d.REDNIBROJ, d.OZNAKA, l._id;
