: rows
1
2
: columns
1
1
