# The lantern: the size as rows and columns.
5 6
3 1

1 2
2 2
2 1
#
1 3
1 2
1 1
1
1 1
2
