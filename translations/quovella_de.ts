<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdditionalPayments</name>
    <message>
        <source>You must enter a valid Mortgage amount between 0 and 999999999</source>
        <translation>Geben Sie einen gültigen Darlehensbetrag zwischen 0 und 999999999 ein</translation>
    </message>
    <message>
        <source>You must enter a year.</source>
        <translation>Geben Sie ein Jahr ein.</translation>
    </message>
    <message>
        <source>You must enter a year between 1 and %1</source>
        <translation>Geben Sie ein Jahr zwischen 1 und %1 ein</translation>
    </message>
    <message>
        <source>You must enter a %1 between 1 and %2</source>
        <translation>Geben Sie für „%1“ einen Wert zwischen 1 und %2 ein</translation>
    </message>
</context>
<context>
    <name>AnnualRate</name>
    <message>
        <source>The upfront fees must be at least 0 and less than the mortgage amount.</source>
        <translation>Die Einmalgebühren müssen mindestens 0 und kleiner als der Darlehensbetrag sein.</translation>
    </message>
    <message>
        <source>The fee per payment must be at least 0 and at most 999,999,999.</source>
        <translation>Die Gebühr je Rate muss mindestens 0 und höchstens 999.999.999 betragen.</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source> (cheapest)</source>
        <translation> (günstigstes)</translation>
    </message>
</context>
<context>
    <name>ErrorChecking</name>
    <message>
        <source>You must enter a valid Year</source>
        <translation>Geben Sie ein gültiges Jahr ein</translation>
    </message>
    <message>
        <source>You must enter%1 between 0 and %2</source>
        <translation>Geben Sie%1zwischen 0 und %2 ein</translation>
    </message>
    <message>
        <source>You must enter a valid %1</source>
        <translation>Geben Sie für „%1“ einen gültigen Wert ein</translation>
    </message>
    <message>
        <source>You must enter a %1 between 0 and %2</source>
        <translation>Geben Sie für „%1“ einen Wert zwischen 0 und %2 ein</translation>
    </message>
    <message>
        <source>You must enter%1</source>
        <translation>Geben Sie%1ein</translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source> already exists.
Do you want to replace it?</source>
        <translation> ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Annualy</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>   Annual Mortgage Payment is</source>
        <translation>   Die jährliche Rate beträgt</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Annual Payment</source>
        <translation>Jährliche Rate</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Bi-Annualy</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Half-Year</source>
        <translation>Halbjahr</translation>
    </message>
    <message>
        <source>Half-Year(s)</source>
        <translation>Halbjahr(e)</translation>
    </message>
    <message>
        <source>   Bi-Annual Mortgage Payment is</source>
        <translation>   Die halbjährliche Rate beträgt</translation>
    </message>
    <message>
        <source>Half Year</source>
        <translation>Halbjahr</translation>
    </message>
    <message>
        <source>Half Year Payment</source>
        <translation>Halbjährliche Rate</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation>Quartal</translation>
    </message>
    <message>
        <source>Quarter(s)</source>
        <translation>Quartal(e)</translation>
    </message>
    <message>
        <source>   Quarterly Mortgage Payment is</source>
        <translation>   Die vierteljährliche Rate beträgt</translation>
    </message>
    <message>
        <source>Quarterly Payment</source>
        <translation>Vierteljährliche Rate</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>Monat(e)</translation>
    </message>
    <message>
        <source>   Monthly Mortgage Payment is</source>
        <translation>   Die monatliche Rate beträgt</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Bi-Monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>Half-Month</source>
        <translation>Halbmonat</translation>
    </message>
    <message>
        <source>Half-Month(s)</source>
        <translation>Halbmonat(e)</translation>
    </message>
    <message>
        <source>   Bi-Monthly Mortgage Payment is</source>
        <translation>   Die halbmonatliche Rate beträgt</translation>
    </message>
    <message>
        <source>Half Monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>1/2 Month</source>
        <translation>Halbmonat</translation>
    </message>
    <message>
        <source>Half Month Payment</source>
        <translation>Halbmonatliche Rate</translation>
    </message>
    <message>
        <source>1/2 Monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>Half Month</source>
        <translation>Halbmonat</translation>
    </message>
    <message>
        <source>FortNightly</source>
        <translation>Vierzehntäglich</translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation>Doppelwoche</translation>
    </message>
    <message>
        <source>Fortnight(s)</source>
        <translation>Doppelwoche(n)</translation>
    </message>
    <message>
        <source>   Fortnightly Mortgage Payment is</source>
        <translation>   Die vierzehntägliche Rate beträgt</translation>
    </message>
    <message>
        <source>FortNightly Payment</source>
        <translation>Vierzehntägliche Rate</translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation>Vierzehntäglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>Woche(n)</translation>
    </message>
    <message>
        <source>   Weekly Mortgage Payment is</source>
        <translation>   Die wöchentliche Rate beträgt</translation>
    </message>
    <message>
        <source>Weekly Payment</source>
        <translation>Wöchentliche Rate</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>Tag(e)</translation>
    </message>
    <message>
        <source>   Daily Mortgage Payment is</source>
        <translation>   Die tägliche Rate beträgt</translation>
    </message>
    <message>
        <source>Daily Payment</source>
        <translation>Tägliche Rate</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quovella Help</source>
        <translation>Quovella-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LoanChecks</name>
    <message>
        <source>You must enter a valid Mortgage amount between 0 and 999999999</source>
        <translation>Geben Sie einen gültigen Darlehensbetrag zwischen 0 und 999999999 ein</translation>
    </message>
    <message>
        <source>You must enter a valid interest rate between 0 and 100</source>
        <translation>Geben Sie einen gültigen Zinssatz zwischen 0 und 100 ein</translation>
    </message>
    <message>
        <source>You must enter a Mortgage amount between 0 and 999999999</source>
        <translation>Geben Sie einen Darlehensbetrag zwischen 0 und 999999999 ein</translation>
    </message>
    <message>
        <source>You must enter an interest rate between 0 and 100.</source>
        <translation>Geben Sie einen Zinssatz zwischen 0 und 100 ein.</translation>
    </message>
    <message>
        <source>Choose how often you repay and how often interest is compounded.</source>
        <translation>Wählen Sie, wie oft Sie zahlen und wie oft die Zinsen verrechnet werden.</translation>
    </message>
    <message>
        <source> a period </source>
        <translation> eine Laufzeit </translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>In Arrears</source>
        <translation>Nachschüssig</translation>
    </message>
    <message>
        <source>In Advance</source>
        <translation>Vorschüssig</translation>
    </message>
    <message>
        <source>Interest Compounded</source>
        <translation>Zinsverrechnung</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Zahlungsweise</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlungsweise</translation>
    </message>
</context>
<context>
    <name>MortgageFunctions</name>
    <message>
        <source>It is impossible to pay off this Mortgage in the specified time if the Mortgage payment is rounded to 2 decimal places. If it is rounded it will be paid off in %1 payments.</source>
        <translation>Wird die Rate auf 2 Nachkommastellen gerundet, lässt sich diese Hypothek nicht in der angegebenen Zeit tilgen. Mit gerundeter Rate ist sie nach %1 Raten getilgt.</translation>
    </message>
    <message>
        <source>The repayment of %1, rounded to 2 decimal places, does not pay off this Mortgage evenly: your last payment will be %2.</source>
        <translation>Die auf 2 Nachkommastellen gerundete Rate von %1 tilgt diese Hypothek nicht glatt: Ihre letzte Rate beträgt %2.</translation>
    </message>
    <message>
        <source>You will make %1 payments of %2 and your last payment will be %3</source>
        <translation>Sie leisten %1 Raten zu je %2, und Ihre letzte Rate beträgt %3</translation>
    </message>
</context>
<context>
    <name>PayOff</name>
    <message>
        <source>1 Year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>%1 Years</source>
        <translation>%1 Jahren</translation>
    </message>
    <message>
        <source>1 Month</source>
        <translation>1 Monat</translation>
    </message>
    <message>
        <source>%1 Months</source>
        <translation>%1 Monaten</translation>
    </message>
    <message>
        <source>less than 1 Month</source>
        <translation>weniger als 1 Monat</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 Year</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source> and %1 month</source>
        <translation> und %1 Monate</translation>
    </message>
    <message>
        <source>You have paid off your %1 Mortgage in %2</source>
        <translation>Ihre Hypothek über %1 ist getilgt in %2</translation>
    </message>
</context>
<context>
    <name>PayOffTime</name>
    <message>
        <source>%1 year</source>
        <translation>%1 Jahr</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1 half-year</source>
        <translation>%1 Halbjahr</translation>
    </message>
    <message>
        <source>%1 half-years</source>
        <translation>%1 Halbjahre</translation>
    </message>
    <message>
        <source>%1 quarter</source>
        <translation>%1 Quartal</translation>
    </message>
    <message>
        <source>%1 quarters</source>
        <translation>%1 Quartale</translation>
    </message>
    <message>
        <source>%1 month</source>
        <translation>%1 Monat</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1 Monate</translation>
    </message>
    <message>
        <source>%1 half-month</source>
        <translation>%1 Halbmonat</translation>
    </message>
    <message>
        <source>%1 half-months</source>
        <translation>%1 Halbmonate</translation>
    </message>
    <message>
        <source>%1 fortnight</source>
        <translation>%1 Doppelwoche</translation>
    </message>
    <message>
        <source>%1 fortnights</source>
        <translation>%1 Doppelwochen</translation>
    </message>
    <message>
        <source>%1 week</source>
        <translation>%1 Woche</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1 Wochen</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
</context>
<context>
    <name>PaymentPlan</name>
    <message>
        <source>extra payment</source>
        <translation>Sonderzahlung</translation>
    </message>
    <message>
        <source>lump sum</source>
        <translation>Einmalzahlung</translation>
    </message>
    <message>
        <source>rate change</source>
        <translation>Zinsänderung</translation>
    </message>
    <message>
        <source>Event %1 (%2)</source>
        <translation>Ereignis %1 (%2)</translation>
    </message>
    <message>
        <source>the extra payment must be more than 0 and at most 999,999,999.</source>
        <translation>die Sonderzahlung muss größer als 0 und höchstens 999.999.999 sein.</translation>
    </message>
    <message>
        <source>the lump sum must be more than 0 and at most 999,999,999.</source>
        <translation>die Einmalzahlung muss größer als 0 und höchstens 999.999.999 sein.</translation>
    </message>
    <message>
        <source>the new rate must be more than 0 % and at most 100 %.</source>
        <translation>der neue Zinssatz muss größer als 0 % und höchstens 100 % sein.</translation>
    </message>
    <message>
        <source>the payment must be between 1 and %1.</source>
        <translation>die Ratennummer muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>the last payment must be between the first payment (%1) and %2.</source>
        <translation>die letzte Rate muss zwischen der ersten Rate (%1) und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>The settings file %1 could not be read and has been replaced by a new one.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden und wurde durch eine neue ersetzt.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Derzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der ausgewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>Cannot create the file </source>
        <translation>Die Datei kann nicht angelegt werden: </translation>
    </message>
    <message>
        <source>. To choose a printer, print any report once (its Print button shows the print dialog) and try again.</source>
        <translation>. Um einen Drucker zu wählen, drucken Sie einmal einen beliebigen Bericht (dessen Knopf „Drucken“ öffnet den Druckdialog) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The print job could not be finished</source>
        <translation>Der Druckauftrag konnte nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation>%1 wird geschrieben…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Writing %1: page %2…</source>
        <translation>%1 wird geschrieben: Seite %2…</translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation>Der Drucker konnte keine neue Seite beginnen</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>the report</source>
        <translation>Bericht</translation>
    </message>
</context>
<context>
    <name>Savings</name>
    <message>
        <source>You must enter a period greater than 0.</source>
        <translation>Geben Sie eine Laufzeit größer als 0 ein.</translation>
    </message>
    <message>
        <source>This Period(years) must be a whole number of years</source>
        <translation>Die Laufzeit (Jahre) muss eine ganze Zahl von Jahren sein</translation>
    </message>
    <message>
        <source>This Reduced Period(years) must be a whole number of years</source>
        <translation>Die verkürzte Laufzeit (Jahre) muss eine ganze Zahl von Jahren sein</translation>
    </message>
    <message>
        <source>You must enter a reduced period greater than 0.</source>
        <translation>Geben Sie eine verkürzte Laufzeit größer als 0 ein.</translation>
    </message>
    <message>
        <source>This Mortgage Amount must be Numeric only</source>
        <translation>Der Darlehensbetrag muss eine Zahl sein</translation>
    </message>
    <message>
        <source>This Period(years) must be Numeric only</source>
        <translation>Die Laufzeit (Jahre) muss eine Zahl sein</translation>
    </message>
    <message>
        <source>This Interest rate(%) must be Numeric only</source>
        <translation>Der Zinssatz (%) muss eine Zahl sein</translation>
    </message>
    <message>
        <source>This Reduced Period(years) must be Numeric only</source>
        <translation>Die verkürzte Laufzeit (Jahre) muss eine Zahl sein</translation>
    </message>
    <message>
        <source>This Investment rate(%) must be Numeric only</source>
        <translation>Der Anlagezins (%) muss eine Zahl sein</translation>
    </message>
    <message>
        <source>The reduced period must be shorter than the period.</source>
        <translation>Die verkürzte Laufzeit muss kürzer als die Laufzeit sein.</translation>
    </message>
    <message>
        <source>The monthly repayment cannot be calculated for these values.</source>
        <translation>Die monatliche Rate lässt sich mit diesen Werten nicht berechnen.</translation>
    </message>
    <message>
        <source>The value of the investment cannot be calculated for these values.</source>
        <translation>Der Wert der Anlage lässt sich mit diesen Werten nicht berechnen.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not a saved loan.</source>
        <translation>%1 ist ein Ordner, kein gespeichertes Darlehen.</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>eine Sonderdatei</translation>
    </message>
    <message>
        <source>Cannot open %1: only an ordinary file can hold a saved loan.</source>
        <translation>Dies ist %1 und lässt sich nicht öffnen: Nur eine gewöhnliche Datei kann ein gespeichertes Darlehen enthalten.</translation>
    </message>
    <message>
        <source>Cannot save over %1: only an ordinary file can be replaced.</source>
        <translation>Dies ist %1 und lässt sich nicht überschreiben: Nur eine gewöhnliche Datei kann ersetzt werden.</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Invalid numeric input</source>
        <translation>Ungültige Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid payment plan line</source>
        <translation>„%1“ ist keine gültige Zeile eines Zahlungsplans</translation>
    </message>
    <message>
        <source>This file&apos;s %1 was written by a newer Quovella (%2 version %3); this one reads version %4</source>
        <translation>Der %1 dieser Datei wurde von einem neueren Quovella geschrieben (%2 Version %3); dieses liest Version %4</translation>
    </message>
    <message>
        <source>payment plan</source>
        <translation>Zahlungsplan</translation>
    </message>
    <message>
        <source>The payment plan has no &apos;END PLAN&apos; line</source>
        <translation>Dem Zahlungsplan fehlt die Zeile „END PLAN“</translation>
    </message>
    <message>
        <source>A payment plan holds at most %1 events</source>
        <translation>Ein Zahlungsplan enthält höchstens %1 Ereignisse</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid comparison line</source>
        <translation>„%1“ ist keine gültige Zeile eines Vergleichs</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>The comparison has no &apos;END COMPARE&apos; line</source>
        <translation>Dem Vergleich fehlt die Zeile „END COMPARE“</translation>
    </message>
    <message>
        <source>A comparison holds at most %1 loans</source>
        <translation>Ein Vergleich enthält höchstens %1 Darlehen</translation>
    </message>
    <message>
        <source>Fees must be numbers of at least 0 to be saved.</source>
        <translation>Gebühren müssen Zahlen von mindestens 0 sein, um gespeichert zu werden.</translation>
    </message>
    <message>
        <source>A comparison of more than %1 loans could not be opened again.</source>
        <translation>Ein Vergleich von mehr als %1 Darlehen ließe sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>The compared loan &apos;%1&apos; has terms the file could not hold.</source>
        <translation>Das verglichene Darlehen „%1“ hat Konditionen, die die Datei nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>These inputs are too long to save: the file would be larger than 1 MiB and could not be opened again.</source>
        <translation>Diese Eingaben sind zu lang zum Speichern: Die Datei wäre größer als 1 MiB und ließe sich nicht wieder öffnen.</translation>
    </message>
    <message>
        <source>This file is too large to be a saved loan (larger than 1 MiB).</source>
        <translation>Diese Datei ist zu groß für ein gespeichertes Darlehen (größer als 1 MiB).</translation>
    </message>
    <message>
        <source>%1 (%2, line %3)</source>
        <translation>%1 (%2, Zeile %3)</translation>
    </message>
</context>
<context>
    <name>TADDMONTHLYR</name>
    <message>
        <source>Additional Payments</source>
        <translation>Sonderzahlungen</translation>
    </message>
    <message>
        <source>When would you like to start paying this additional payment</source>
        <translation>Ab wann möchten Sie diese Sonderzahlung leisten</translation>
    </message>
    <message>
        <source>From the start of the Mortgage</source>
        <translation>Ab Beginn der Hypothek</translation>
    </message>
    <message>
        <source>Starting in year</source>
        <translation>Ab Jahr</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Help on a specific additional payment</source>
        <translation>Hilfe zu einer bestimmten Sonderzahlung</translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation>Zinsersparnis</translation>
    </message>
    <message>
        <source>Total Interest with additional payment</source>
        <translation>Zinsen gesamt mit Sonderzahlung</translation>
    </message>
    <message>
        <source>Total interest without additional payment</source>
        <translation>Zinsen gesamt ohne Sonderzahlung</translation>
    </message>
    <message>
        <source>Add to Payment Plan</source>
        <translation>Zum Zahlungsplan hinzufügen</translation>
    </message>
    <message>
        <source>Add this extra payment to the loan&apos;s payment plan and open the plan</source>
        <translation>Diese Sonderzahlung in den Zahlungsplan des Darlehens aufnehmen und den Plan öffnen</translation>
    </message>
    <message>
        <source>Additional %1</source>
        <translation>Sonderzahlung (%1)</translation>
    </message>
    <message>
        <source>and Year</source>
        <translation>und Jahr</translation>
    </message>
    <message>
        <source>and %1 (1 - %2)</source>
        <translation>und %1 (1 - %2)</translation>
    </message>
</context>
<context>
    <name>TAPOPTIONS</name>
    <message>
        <source>Additional Payment Options</source>
        <translation>Sonderzahlungen – Optionen</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>Einzelne Sonderzahlung</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Calculate the effects of a specific additional payment</source>
        <translation>Die Wirkung einer bestimmten Sonderzahlung berechnen</translation>
    </message>
    <message>
        <source>Compare the additional payments required to reduce the Mortgage by different periods.</source>
        <translation>Die Sonderzahlungen vergleichen, die die Laufzeit der Hypothek unterschiedlich stark verkürzen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quovella</source>
        <translation>Über Quovella</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>A mortgage calculator for home buyers: repayments, schedules, grids, additional payments and savings.</source>
        <translation>Ein Hypothekenrechner für Immobilienkäufer: Raten, Tilgungspläne, Ratentabellen, Sonderzahlungen und Ersparnis.</translation>
    </message>
    <message>
        <source>Made by Ternvik.
Your figures are calculated on this computer and stay in the files you save.</source>
        <translation>Von Ternvik.
Ihre Zahlen werden auf diesem Computer berechnet und bleiben in den Dateien, die Sie speichern.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
</context>
<context>
    <name>TAdditionalP</name>
    <message>
        <source>Additional Payments</source>
        <translation>Sonderzahlungen</translation>
    </message>
    <message>
        <source>The table below shows the additional payment required to pay off the Mortgage in the number of years indicated. It also shows the saving on interest charges achieved by paying off the Mortgage in a shorter period.</source>
        <translation>Die Tabelle zeigt die Sonderzahlung, die nötig ist, um die Hypothek in der angegebenen Zahl von Jahren zu tilgen, und die Zinsersparnis durch die kürzere Laufzeit.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Drucken</translation>
    </message>
    <message>
        <source>Help on additional payments</source>
        <translation>Hilfe zu Sonderzahlungen</translation>
    </message>
    <message>
        <source>Additional Payment Required per month</source>
        <translation>Erforderliche Sonderzahlung je Monat</translation>
    </message>
    <message>
        <source>Total Fortnighly Payments</source>
        <translation>Vierzehntägliche Raten gesamt</translation>
    </message>
</context>
<context>
    <name>TBalanceGraphForm</name>
    <message>
        <source>Balance Graph</source>
        <translation>Restschuldverlauf</translation>
    </message>
    <message>
        <source>Show the balance with the additional payment</source>
        <translation>Restschuld mit Sonderzahlung zeigen</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Drucken</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>PNG picture or PDF document|*.png;*.pdf</source>
        <translation>PNG-Bild oder PDF-Dokument|*.png;*.pdf</translation>
    </message>
    <message>
        <source>Show the balance with the payment plan</source>
        <translation>Restschuld mit Zahlungsplan zeigen</translation>
    </message>
    <message>
        <source>Outstanding Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Accumulated Capital</source>
        <translation>Tilgung kumuliert</translation>
    </message>
    <message>
        <source>Accumulated Interest</source>
        <translation>Zinsen kumuliert</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Nothing is owed on this loan, so its balance stays at zero.</source>
        <translation>Bei diesem Darlehen ist nichts geschuldet, die Restschuld bleibt daher bei null.</translation>
    </message>
    <message>
        <source>There is no schedule to draw for this loan.</source>
        <translation>Für dieses Darlehen gibt es keinen Tilgungsplan zum Zeichnen.</translation>
    </message>
    <message>
        <source>With Payment Plan</source>
        <translation>Mit Zahlungsplan</translation>
    </message>
    <message>
        <source>With Additional Payment</source>
        <translation>Mit Sonderzahlung</translation>
    </message>
    <message>
        <source>Paid off after %1 payments</source>
        <translation>Getilgt nach %1 Raten</translation>
    </message>
    <message>
        <source>lower</source>
        <comment>units mid-sentence: lower or keep</comment>
        <translation>keep</translation>
    </message>
    <message>
        <source>Paid off in %1</source>
        <comment>the specific payment&apos;s words</comment>
        <translation>Getilgt in %1</translation>
    </message>
    <message>
        <source>Paid off on %1</source>
        <translation>Getilgt am %1</translation>
    </message>
    <message>
        <source>Paid off in %1</source>
        <comment>a count of periods</comment>
        <translation>Tilgungsdauer: %1</translation>
    </message>
    <message>
        <source>Mortgage Balance: %1 at %2% for %3</source>
        <translation>Restschuld: %1 zu %2 % über %3</translation>
    </message>
    <message>
        <source>The graph could not be drawn for %1.</source>
        <translation>Die Grafik für %1 konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>TCompare</name>
    <message>
        <source>Compare Offers</source>
        <translation>Angebote vergleichen</translation>
    </message>
    <message>
        <source>Each column is a loan with its plan and fees. The rows under a figure give its difference to the first column; the offer with the lowest annual percentage rate (APR) is the cheapest.</source>
        <translation>Jede Spalte ist ein Darlehen mit seinem Plan und seinen Gebühren. Die Zeile unter einem Wert zeigt die Differenz zur ersten Spalte; das Angebot mit dem niedrigsten effektiven Jahreszins ist das günstigste.</translation>
    </message>
    <message>
        <source>&amp;Offers</source>
        <translation>&amp;Angebote</translation>
    </message>
    <message>
        <source>Offers compared</source>
        <translation>Verglichene Angebote</translation>
    </message>
    <message>
        <source>&amp;Add the current loan</source>
        <translation>Aktuelles Darlehen hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add the Mortgage tab&apos;s loan, with its plan and fees, as a new column</source>
        <translation>Das Darlehen aus dem Reiter „Hypothek“ mit Plan und Gebühren als neue Spalte hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>&amp;Umbenennen…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;left</source>
        <translation>Nach &amp;links</translation>
    </message>
    <message>
        <source>Move ri&amp;ght</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>Load into the &amp;Mortgage tab</source>
        <translation>In „&amp;Hypothek“ laden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the cells selected, or the whole table, for a spreadsheet</source>
        <translation>Die markierten Zellen oder die ganze Tabelle für eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help on comparing offers</source>
        <translation>Hilfe zum Vergleichen von Angeboten</translation>
    </message>
    <message>
        <source>Up to %1 loans can be compared. Remove one to add the current loan.</source>
        <translation>Es lassen sich höchstens %1 Darlehen vergleichen. Entfernen Sie eines, um das aktuelle Darlehen hinzuzufügen.</translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation>Darlehen %1</translation>
    </message>
</context>
<context>
    <name>TCompareNameDialog</name>
    <message>
        <source>Rename the Loan</source>
        <translation>Darlehen umbenennen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TMORTAGEGRID</name>
    <message>
        <source>Mortgage Grid</source>
        <translation>Ratentabelle</translation>
    </message>
    <message>
        <source>This screen allows you to easily see the effect of changes in interest rates or your Mortgage amount on your monthly Mortgage repayment.</source>
        <translation>Hier sehen Sie auf einen Blick, wie sich ein anderer Zinssatz oder Darlehensbetrag auf Ihre monatliche Rate auswirkt.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Drucken</translation>
    </message>
    <message>
        <source>Help on the Mortgage Grid</source>
        <translation>Hilfe zur Ratentabelle</translation>
    </message>
</context>
<context>
    <name>TMORTLOAN</name>
    <message>
        <source>Do you want to save your file first?</source>
        <translation>Möchten Sie Ihre Datei zuerst speichern?</translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>The file you worked with could not be remembered for the next start. </source>
        <translation>Die zuletzt verwendete Datei konnte für den nächsten Start nicht vermerkt werden. </translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save File under a new name (Ctrl+Shift+S)</source>
        <translation>Datei unter neuem Namen speichern (Strg+Umschalt+S)</translation>
    </message>
    <message>
        <source>View the Mortgage Grid</source>
        <translation>Ratentabelle anzeigen</translation>
    </message>
    <message>
        <source>View the Mortgage Schedule</source>
        <translation>Tilgungsplan anzeigen</translation>
    </message>
    <message>
        <source>See the effect of additional payments on your Mortgage</source>
        <translation>Wirkung von Sonderzahlungen auf Ihre Hypothek ansehen</translation>
    </message>
    <message>
        <source>View a  graph of your Mortgage</source>
        <translation>Kreisdiagramm Ihrer Hypothek anzeigen</translation>
    </message>
    <message>
        <source>View the balance of your Mortgage year by year</source>
        <translation>Restschuld Ihrer Hypothek Jahr für Jahr anzeigen</translation>
    </message>
    <message>
        <source>Plan extra payments, lump sums and rate changes</source>
        <translation>Sonderzahlungen, Einmalzahlungen und Zinsänderungen planen</translation>
    </message>
    <message>
        <source>Compare offers side by side</source>
        <translation>Angebote nebeneinander vergleichen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>Save File under a new name</source>
        <translation>Datei unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Pa&amp;yment Plan…</source>
        <translation>Zahlungs&amp;plan…</translation>
    </message>
    <message>
        <source>&amp;Compare Offers…</source>
        <translation>Angebote ver&amp;gleichen…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Help on the Mortgage tab</source>
        <translation>Hilfe zum Reiter „Hypothek“</translation>
    </message>
    <message>
        <source>Mortgage Amount</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Year(s)</source>
        <translation>Jahr(e)</translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>   Total Interest Charges are:</source>
        <translation>   Zinsen gesamt:</translation>
    </message>
    <message>
        <source>View a graph of your Mortgage</source>
        <translation>Kreisdiagramm Ihrer Hypothek anzeigen</translation>
    </message>
    <message>
        <source>   Annual percentage rate</source>
        <translation>   Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>Annual percentage rate</source>
        <translation>Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Mortgage Grid</source>
        <translation>Ratentabelle</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Additional Payments</source>
        <translation>Sonderzahlungen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>Export to P&amp;DF…</source>
        <translation>Als PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>Financial Benefits of a Reduced Mortgage Life</source>
        <translation>Vorteile einer kürzeren Laufzeit</translation>
    </message>
    <message>
        <source>Period (Years)</source>
        <translation>Laufzeit (Jahre)</translation>
    </message>
    <message>
        <source>Interest Rate %</source>
        <translation>Zinssatz %</translation>
    </message>
    <message>
        <source>Monthly Repayment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Reduce Period to</source>
        <translation>Laufzeit verkürzen auf</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>By paying an extra</source>
        <translation>Mit einer Sonderzahlung von</translation>
    </message>
    <message>
        <source>per month, the Mortgage will be paid off in</source>
        <translation>pro Monat ist sie getilgt nach</translation>
    </message>
    <message>
        <source>years.</source>
        <translation>Jahren.</translation>
    </message>
    <message>
        <source>If the original monthly repayment is then invested at </source>
        <translation>Wird die ursprüngliche Monatsrate danach zu </translation>
    </message>
    <message>
        <source>% Interest for the</source>
        <translation>% Zinsen für den</translation>
    </message>
    <message>
        <source>remainder of the original term, then the value of this investment at the end of the</source>
        <translation>Rest der ursprünglichen Laufzeit angelegt, beträgt der Wert dieser Anlage am Ende der</translation>
    </message>
    <message>
        <source>original Period is</source>
        <translation>ursprünglichen Laufzeit</translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation>Hypothek</translation>
    </message>
    <message>
        <source>What If?</source>
        <translation>Was wäre, wenn?</translation>
    </message>
    <message>
        <source>Mortgage Savings</source>
        <translation>Sparen statt tilgen</translation>
    </message>
    <message>
        <source>Transfer Values to Mortgage Savings</source>
        <translation>Werte übertragen</translation>
    </message>
    <message>
        <source>Quovella Saved Files |*.QVL</source>
        <translation>Gespeicherte Quovella-Dateien |*.QVL</translation>
    </message>
    <message>
        <source>Quovella File |*.QVL</source>
        <translation>Quovella-Datei |*.QVL</translation>
    </message>
    <message>
        <source>Mortgage What If?</source>
        <translation>Was wäre, wenn?</translation>
    </message>
    <message>
        <source>Help on the What If? tab</source>
        <translation>Hilfe zum Reiter „Was wäre, wenn?“</translation>
    </message>
    <message>
        <source>Calculate any of the four Mortgage variables. Select the variable to be calculated on the right, and enter the values for the other three variables.</source>
        <translation>Berechnen Sie eine der vier Größen einer Hypothek. Wählen Sie rechts die zu berechnende Größe und geben Sie die Werte der anderen drei ein.</translation>
    </message>
    <message>
        <source>Transfer to Quovella</source>
        <translation>Nach Quovella übertragen</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
</context>
<context>
    <name>TMSCHEDULE</name>
    <message>
        <source>Mortgage Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Display By</source>
        <translation>Anzeige nach</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> Print</source>
        <translation> Drucken</translation>
    </message>
    <message>
        <source> Graph</source>
        <translation> Grafik</translation>
    </message>
    <message>
        <source>The balance year by year as a graph</source>
        <translation>Die Restschuld Jahr für Jahr als Grafik</translation>
    </message>
    <message>
        <source>Help on the schedule</source>
        <translation>Hilfe zum Tilgungsplan</translation>
    </message>
    <message>
        <source>Please note that small differences in interest between the schedule and the main screen are due to rounding to two decimal places on the schedule.</source>
        <translation>Kleine Abweichungen bei den Zinsen zwischen Tilgungsplan und Hauptfenster entstehen durch die Rundung auf zwei Nachkommastellen im Tilgungsplan.</translation>
    </message>
    <message>
        <source>Payment
Plan…</source>
        <translation>Zahlungs-
plan…</translation>
    </message>
    <message>
        <source>Payment Plan…</source>
        <translation>Zahlungsplan…</translation>
    </message>
    <message>
        <source>Extra payments, lump sums and rate changes on the Mortgage tab&apos;s loan</source>
        <translation>Sonderzahlungen, Einmalzahlungen und Zinsänderungen für das Darlehen im Reiter „Hypothek“</translation>
    </message>
</context>
<context>
    <name>TMortChartForm</name>
    <message>
        <source>Cost Breakdown Graph</source>
        <translation>Kreisdiagramm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation>Grafik drucken</translation>
    </message>
    <message>
        <source>Cost Breakdown of Mortgage</source>
        <translation>Kostenaufteilung der Hypothek</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
</context>
<context>
    <name>TPaymentPlan</name>
    <message>
        <source>Payment Plan</source>
        <translation>Zahlungsplan</translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation>Dar&amp;lehen</translation>
    </message>
    <message>
        <source>&amp;First payment on</source>
        <translation>Erste Rate a&amp;m</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>Ere&amp;ignisse</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Amount or rate</source>
        <translation>Betrag/Zinssatz</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>To / afterwards</source>
        <translation>Bis / danach</translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation>Hinzu&amp;fügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>&amp;Upfront fees</source>
        <translation>Einm&amp;algebühren</translation>
    </message>
    <message>
        <source>Fee per payment</source>
        <translation>Gebühr je Rate</translation>
    </message>
    <message>
        <source>Upfront fees</source>
        <translation>Einmalgebühren</translation>
    </message>
    <message>
        <source>Schedule by</source>
        <translation>Tilgungsplan nach</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>P&amp;ayment</source>
        <translation>&amp;Rate</translation>
    </message>
    <message>
        <source>Payment Plan Schedule</source>
        <translation>Tilgungsplan mit Zahlungsplan</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the rows selected, or the whole schedule, for a spreadsheet</source>
        <translation>Die markierten Zeilen oder den ganzen Tilgungsplan für eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help on the payment plan</source>
        <translation>Hilfe zum Zahlungsplan</translation>
    </message>
    <message>
        <source>The loan planned for</source>
        <translation>Das geplante Darlehen</translation>
    </message>
    <message>
        <source>Events of the plan</source>
        <translation>Ereignisse des Plans</translation>
    </message>
    <message>
        <source>First payment&apos;s date</source>
        <translation>Datum der ersten Rate</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source> and %1 %2</source>
        <translation> und %1 %2</translation>
    </message>
    <message>
        <source>%1 at %2 a year over %3; %4 repayments of %5 %6, interest compounded %7</source>
        <translation>%1 zu %2 jährlich über %3; Rate %5 (%4, %6), Zinsverrechnung %7</translation>
    </message>
    <message>
        <source>in arrears</source>
        <translation>nachschüssig</translation>
    </message>
    <message>
        <source>in advance</source>
        <translation>vorschüssig</translation>
    </message>
    <message>
        <source> Edit or remove it to see the plan&apos;s figures.</source>
        <translation> Bearbeiten oder entfernen Sie es, um die Zahlen des Plans zu sehen.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number.</source>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Payments &amp;made</source>
        <translation>Geleistete &amp;Raten</translation>
    </message>
    <message>
        <source>La&amp;st payment</source>
        <translation>Le&amp;tzte Rate</translation>
    </message>
    <message>
        <source>Paid &amp;off in</source>
        <translation>&amp;Getilgt</translation>
    </message>
    <message>
        <source>Total interest &amp;with the plan</source>
        <translation>Zinsen gesamt mit dem &amp;Plan</translation>
    </message>
    <message>
        <source>Total interest without the pla&amp;n</source>
        <translation>Zinsen gesamt &amp;ohne den Plan</translation>
    </message>
    <message>
        <source>Interest saved &amp;by the plan</source>
        <translation>Zinser&amp;sparnis durch den Plan</translation>
    </message>
    <message>
        <source>&amp;Total paid</source>
        <translation>Summe der &amp;Zahlungen</translation>
    </message>
    <message>
        <source>Repayment at t&amp;he end</source>
        <translation>Rate am Sc&amp;hluss</translation>
    </message>
    <message>
        <source>Annual percenta&amp;ge rate</source>
        <translation>Effekti&amp;ver Jahreszins</translation>
    </message>
    <message>
        <source>Extra payment</source>
        <translation>Sonderzahlung</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>Einmalzahlung</translation>
    </message>
    <message>
        <source>Rate change</source>
        <translation>Zinsänderung</translation>
    </message>
    <message>
        <source>Payment %1</source>
        <translation>Rate %1</translation>
    </message>
    <message>
        <source>To the end</source>
        <translation>Bis zum Ende</translation>
    </message>
    <message>
        <source>Lower the repayment</source>
        <translation>Rate senken</translation>
    </message>
    <message>
        <source>Pay off sooner</source>
        <translation>Früher tilgen</translation>
    </message>
    <message>
        <source>New repayment</source>
        <translation>Neue Rate</translation>
    </message>
</context>
<context>
    <name>TPlanEventDialog</name>
    <message>
        <source>Payment Plan Event</source>
        <translation>Ereignis im Zahlungsplan</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Payments by</source>
        <translation>Raten nach</translation>
    </message>
    <message>
        <source>Payment number</source>
        <translation>Ratennummer</translation>
    </message>
    <message>
        <source>Year and period</source>
        <translation>Jahr und Periode</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>From payment</source>
        <translation>Ab Rate</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>To payment</source>
        <translation>Bis Rate</translation>
    </message>
    <message>
        <source>Last on</source>
        <translation>Letzte am</translation>
    </message>
    <message>
        <source>empty: to the end</source>
        <translation>leer: bis zum Ende</translation>
    </message>
    <message>
        <source>Lower the repayment after it (instead of paying off sooner)</source>
        <translation>Danach die Rate senken (statt früher zu tilgen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>From year</source>
        <translation>Ab Jahr</translation>
    </message>
    <message>
        <source>From period</source>
        <translation>Ab Periode</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Ab Datum</translation>
    </message>
    <message>
        <source>To year</source>
        <translation>Bis Jahr</translation>
    </message>
    <message>
        <source>To period</source>
        <translation>Bis Periode</translation>
    </message>
    <message>
        <source>Last payment&apos;s date</source>
        <translation>Datum der letzten Rate</translation>
    </message>
    <message>
        <source>period (1 - %1)</source>
        <translation>Periode (1 - %1)</translation>
    </message>
    <message>
        <source>Extra each payment</source>
        <translation>Sonderzahlung je Rate</translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation>Einmalzahlung</translation>
    </message>
    <message>
        <source>New rate (%)</source>
        <translation>Neuer Zinssatz (%)</translation>
    </message>
    <message>
        <source>At payment</source>
        <translation>Bei Rate</translation>
    </message>
    <message>
        <source>not ticked: to the end</source>
        <translation>nicht angekreuzt: bis zum Ende</translation>
    </message>
    <message>
        <source>: &apos;%1&apos; is not a number.</source>
        <translation>: „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>: the payment must be between 1 and %1.</source>
        <translation>: die Ratennummer muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>: the last payment must be between the first payment (%1) and %2.</source>
        <translation>: die letzte Rate muss zwischen der ersten Rate (%1) und %2 liegen.</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Capital Reduction</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Outstanding Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Accumulated Interest</source>
        <translation>Zinsen kumuliert</translation>
    </message>
    <message>
        <source>Accumulated Capital</source>
        <translation>Tilgung kumuliert</translation>
    </message>
    <message>
        <source>Amt/Int</source>
        <translation>Betrag/Zins</translation>
    </message>
    <message>
        <source>Years to pay off Mortgage</source>
        <translation>Jahre bis zur Tilgung</translation>
    </message>
    <message>
        <source>Additional %1 Payment Required</source>
        <translation>Erforderliche Sonderzahlung (%1)</translation>
    </message>
    <message>
        <source>Total %1 Payment</source>
        <translation>Rate gesamt (%1)</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation>Zinsersparnis</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount Paid</source>
        <translation>Gezahlt</translation>
    </message>
    <message>
        <source>Extra Paid</source>
        <translation>Zusätzlich</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Interest rate</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Compounded</source>
        <translation>Zinsverrechnung</translation>
    </message>
    <message>
        <source>Payments</source>
        <translation>Zahlungsweise</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <source>Term</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>As a monthly figure</source>
        <translation>Monatlich umgerechnet</translation>
    </message>
    <message>
        <source>Payments made</source>
        <translation>Geleistete Raten</translation>
    </message>
    <message>
        <source>Last payment</source>
        <translation>Letzte Rate</translation>
    </message>
    <message>
        <source>Paid off</source>
        <translation>Getilgt</translation>
    </message>
    <message>
        <source>Total interest</source>
        <translation>Zinsen gesamt</translation>
    </message>
    <message>
        <source>Fees</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>Total paid</source>
        <translation>Summe der Zahlungen</translation>
    </message>
    <message>
        <source>Annual percentage rate</source>
        <translation>Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>Cheapest</source>
        <translation>Günstigstes</translation>
    </message>
    <message>
        <source>In Arrears</source>
        <translation>Nachschüssig</translation>
    </message>
    <message>
        <source>In Advance</source>
        <translation>Vorschüssig</translation>
    </message>
    <message>
        <source>Lowest APR</source>
        <translation>Niedrigster Effektivzins</translation>
    </message>
</context>
<context>
    <name>WhatIf</name>
    <message>
        <source>This Mortgage can&apos;t be paid off in a reasonable period. Try increasing your payments.</source>
        <translation>Diese Hypothek lässt sich nicht in einem vertretbaren Zeitraum tilgen. Erhöhen Sie die Rate.</translation>
    </message>
    <message>
        <source>No interest rate up to 52% needs a repayment this large, so the rate cannot be found. Lower the repayment, raise the amount or shorten the period.</source>
        <translation>Kein Zinssatz bis 52 % erfordert eine so hohe Rate, daher lässt sich der Zinssatz nicht ermitteln. Senken Sie die Rate, erhöhen Sie den Betrag oder verkürzen Sie die Laufzeit.</translation>
    </message>
    <message>
        <source>The repayments add up to less than the amount, so no interest rate pays off this Mortgage. Raise the repayment or the number of periods.</source>
        <translation>Die Raten ergeben zusammen weniger als den Betrag, daher tilgt kein Zinssatz diese Hypothek. Erhöhen Sie die Rate oder verlängern Sie die Laufzeit.</translation>
    </message>
    <message>
        <source>Choose a payment and a compounding frequency.</source>
        <translation>Wählen Sie eine Zahlungsweise und eine Zinsverrechnung.</translation>
    </message>
    <message>
        <source>You must enter an interest rate greater than 0 and less that 100%</source>
        <translation>Geben Sie einen Zinssatz größer als 0 und kleiner als 100 % ein</translation>
    </message>
    <message>
        <source>This interest rate is too small to calculate with for this payment frequency. Enter a larger interest rate.</source>
        <translation>Dieser Zinssatz ist für diese Zahlungsweise zu klein, um damit zu rechnen. Geben Sie einen höheren Zinssatz ein.</translation>
    </message>
    <message>
        <source>You must enter a valid amount, less than 999999999</source>
        <translation>Geben Sie einen gültigen Betrag kleiner als 999999999 ein</translation>
    </message>
    <message>
        <source>You must enter a valid Mortgage payment, less than 999999999</source>
        <translation>Geben Sie eine gültige Rate kleiner als 999999999 ein</translation>
    </message>
    <message>
        <source>The repayment cannot be calculated for these values.</source>
        <translation>Die Rate lässt sich mit diesen Werten nicht berechnen.</translation>
    </message>
    <message>
        <source>The amount cannot be calculated for these values.</source>
        <translation>Der Betrag lässt sich mit diesen Werten nicht berechnen.</translation>
    </message>
    <message>
        <source> a period </source>
        <translation> eine Laufzeit </translation>
    </message>
</context>
<context>
    <name>WindowKit</name>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinssatz</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Monthly Repayment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Amount Step</source>
        <translation>Betragsschritt</translation>
    </message>
    <message>
        <source>Interest Step</source>
        <translation>Zinsschritt</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show the pages as they will print, or export them to PDF</source>
        <translation>Die Seiten so zeigen, wie sie gedruckt werden, oder als PDF exportieren</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
        <source>&amp;Export to PDF…</source>
        <translation>Als PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Save the whole table as a CSV file</source>
        <translation>Die ganze Tabelle als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>CSV Files |*.csv</source>
        <translation>CSV-Dateien |*.csv</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Alles kopieren</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
</context>
</TS>
