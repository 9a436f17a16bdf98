<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdditionalPayments</name>
    <message>
        <source>You must enter a valid Mortgage amount between 0 and 999999999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a year between 1 and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> between 1 and </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnnualRate</name>
    <message>
        <source>The upfront fees must be at least 0 and less than the mortgage amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fee per payment must be at least 0 and at most 999,999,999.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source> (cheapest)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorChecking</name>
    <message>
        <source>You must enter a valid Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> between 0 and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileWriting</name>
    <message>
        <source> already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Frequency</name>
    <message>
        <source>Annualy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Annual Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Annualy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-Year(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Bi-Annual Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half Year Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Quarterly Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Monthly Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half-Month(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Bi-Monthly Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/2 Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half Month Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/2 Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FortNightly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnight(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Fortnightly Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FortNightly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortnightly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Weekly Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weekly Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Daily Mortgage Payment is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Payment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quovella Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoanChecks</name>
    <message>
        <source>You must enter a valid Mortgage amount between 0 and 999999999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid interest rate between 0 and 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Mortgage amount between 0 and 999999999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter an interest rate between 0 and 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose how often you repay and how often interest is compounded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>In Arrears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Compounded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MortgageFunctions</name>
    <message>
        <source>It is impossible to pay off this Mortgage in the specified time if the Mortgage payment is rounded to 2 decimal places. If it is rounded it will be paid off in %1 payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment of %1, rounded to 2 decimal places, does not pay off this Mortgage evenly: your last payment will be %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will make %1 payments of %2 and your last payment will be %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaymentPlan</name>
    <message>
        <source>extra payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lump sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rate change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extra payment must be more than 0 and at most 999,999,999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lump sum must be more than 0 and at most 999,999,999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new rate must be more than 0 % and at most 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the payment must be between 1 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last payment must be between the first payment (%1) and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>The settings file %1 could not be read and has been replaced by a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. To choose a printer, print any report once (its Print button shows the print dialog) and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing %1: page %2…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not start a new page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>the report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Savings</name>
    <message>
        <source>You must enter a period greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Period(years) must be a whole number of years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Reduced Period(years) must be a whole number of years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a reduced period greater than 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Mortgage Amount must be Numeric only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Period(years) must be Numeric only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Interest rate(%) must be Numeric only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Reduced Period(years) must be Numeric only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Investment rate(%) must be Numeric only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reduced period must be shorter than the period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The monthly repayment cannot be calculated for these values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The value of the investment cannot be calculated for these values.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TADDMONTHLYR</name>
    <message>
        <source>Additional Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When would you like to start paying this additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the start of the Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting in year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on a specific additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest with additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total interest without additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Payment Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add this extra payment to the loan&apos;s payment plan and open the plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAPOPTIONS</name>
    <message>
        <source>Additional Payment Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specific</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate the effects of a specific additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the additional payments required to reduce the Mortgage by different periods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutForm</name>
    <message>
        <source>About Quovella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mortgage calculator for home buyers: repayments, schedules, grids, additional payments and savings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by Ternvik.
Your figures are calculated on this computer and stay in the files you save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAdditionalP</name>
    <message>
        <source>Additional Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table below shows the additional payment required to pay off the Mortgage in the number of years indicated. It also shows the saving on interest charges achieved by paying off the Mortgage in a shorter period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on additional payments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TBalanceGraphForm</name>
    <message>
        <source>Balance Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the balance with the additional payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture or PDF document|*.png;*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the balance with the payment plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The graph could not be drawn for </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCompare</name>
    <message>
        <source>Compare Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each column is a loan with its plan and fees. The rows under a figure give its difference to the first column; the offer with the lowest annual percentage rate (APR) is the cheapest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers compared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add the current loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the Mortgage tab&apos;s loan, with its plan and fees, as a new column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move ri&amp;ght</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load into the &amp;Mortgage tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the cells selected, or the whole table, for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on comparing offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 loans can be compared. Remove one to add the current loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCompareNameDialog</name>
    <message>
        <source>Rename the Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMORTAGEGRID</name>
    <message>
        <source>Mortgage Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This screen allows you to easily see the effect of changes in interest rates or your Mortgage amount on your monthly Mortgage repayment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the Mortgage Grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMORTLOAN</name>
    <message>
        <source>Do you want to save your file first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file you worked with could not be remembered for the next start. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File under a new name (Ctrl+Shift+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the Mortgage Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the Mortgage Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See the effect of additional payments on your Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View a  graph of your Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View the balance of your Mortgage year by year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plan extra payments, lump sums and rate changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare offers side by side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pa&amp;yment Plan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare Offers…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the Mortgage tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Total Interest Charges are:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View a graph of your Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Annual percentage rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual percentage rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional Payments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Financial Benefits of a Reduced Mortgage Life</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period (Years)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce Period to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By paying an extra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per month, the Mortgage will be paid off in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the original monthly repayment is then invested at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% Interest for the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remainder of the original term, then the value of this investment at the end of the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>original Period is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What If?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer Values to Mortgage Savings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quovella Saved Files |*.QVL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quovella File |*.QVL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mortgage What If?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the What If? tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate any of the four Mortgage variables. Select the variable to be calculated on the right, and enter the values for the other three variables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer to Quovella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMSCHEDULE</name>
    <message>
        <source>Mortgage Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance year by year as a graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please note that small differences in interest between the schedule and the main screen are due to rounding to two decimal places on the schedule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment
Plan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Plan…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra payments, lump sums and rate changes on the Mortgage tab&apos;s loan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMortChartForm</name>
    <message>
        <source>Cost Breakdown Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost Breakdown of Mortgage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPaymentPlan</name>
    <message>
        <source>Payment Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;First payment on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount or rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To / afterwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upfront fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fee per payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upfront fees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;ayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Plan Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the rows selected, or the whole schedule, for a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help on the payment plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loan planned for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events of the plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First payment&apos;s date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2 a year over %3; %4 repayments of %5 %6, interest compounded %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in arrears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in advance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Edit or remove it to see the plan&apos;s figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlanEventDialog</name>
    <message>
        <source>Payment Plan Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payments by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year and period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty: to the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower the repayment after it (instead of paying off sooner)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last payment&apos;s date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>period (1 - %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra each payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lump sum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New rate (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not ticked: to the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: &apos;%1&apos; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the payment must be between 1 and %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the last payment must be between the first payment (%1) and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhatIf</name>
    <message>
        <source>This Mortgage can&apos;t be paid off in a reasonable period. Try increasing your payments.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No interest rate up to 52% needs a repayment this large, so the rate cannot be found. Lower the repayment, raise the amount or shorten the period.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayments add up to less than the amount, so no interest rate pays off this Mortgage. Raise the repayment or the number of periods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a payment and a compounding frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter an interest rate greater than 0 and less that 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This interest rate is too small to calculate with for this payment frequency. Enter a larger interest rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid amount, less than 999999999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid Mortgage payment, less than 999999999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The repayment cannot be calculated for these values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The amount cannot be calculated for these values.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowKit</name>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monthly Repayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the pages as they will print, or export them to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export to PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the whole table as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files |*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
