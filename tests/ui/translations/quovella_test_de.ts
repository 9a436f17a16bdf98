<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A few German texts for the translation tests: on-screen texts whose English
     words the printed reports and CSV files also use. -->
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>TMORTLOAN</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Mortgage Amount</source>
        <translation>Darlehensbetrag</translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation>Hypothek</translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Bi-Monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>   Bi-Monthly Mortgage Payment is</source>
        <translation>   Die halbmonatliche Rate beträgt</translation>
    </message>
    <message>
        <source>Half-Month(s)</source>
        <translation>Halbmonat(e)</translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation>Monatliche Rate</translation>
    </message>
    <message>
        <source>Half Month Payment</source>
        <translation>Halbmonatliche Rate</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
</context>
<context>
    <name>TableTexts</name>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Additional %1 Payment Required</source>
        <translation>Erforderliche Zusatzzahlung (%1)</translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation>Ersparte Zinsen</translation>
    </message>
</context>
<context>
    <name>TMSCHEDULE</name>
    <message>
        <source>Mortgage Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
</context>
<context>
    <name>WindowKit</name>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>TMortChartForm</name>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
</context>
<context>
    <name>LoanChecks</name>
    <message>
        <source>You must enter a valid Mortgage amount between 0 and 999999999</source>
        <translation>Geben Sie einen gültigen Darlehensbetrag zwischen 0 und 999999999 ein</translation>
    </message>
</context>
<context>
    <name>PayOff</name>
    <message>
        <source>%1 Year</source>
        <translation>%1-jährige</translation>
    </message>
    <message>
        <source>%1 Years</source>
        <translation>%1 Jahren</translation>
    </message>
    <message>
        <source>%1 Months</source>
        <translation>%1 Monaten</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>You have paid off your %1 Mortgage in %2</source>
        <translation>Sie haben Ihre %1 Hypothek in %2 abbezahlt</translation>
    </message>
</context>
<context>
    <name>TADDMONTHLYR</name>
    <message>
        <source>Additional %1</source>
        <translation>Zusätzlich: %1</translation>
    </message>
</context>
<context>
    <name>TBalanceGraphForm</name>
    <message>
        <source>Outstanding Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>With Additional Payment</source>
        <translation>Mit Sonderzahlung</translation>
    </message>
</context>
</TS>
