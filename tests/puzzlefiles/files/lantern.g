# The lantern, its columns given first.
#D a directive of some other program
: Columns
1 3
1,2
1 1
1
1 1
2
: ROWS
3 1
0
1 2
2 2
2 1

