Exercise 1, reference solution
------------------------------
Two strings, each written with service 3 and ended with a line end.

##
begin   MOVE R2, first
        SYS 3                 ; "TAV2 says hello"
        MOVE R1, 13
        SYS 1                 ; end of the line
        MOVE R2, second
        SYS 3                 ; "Bye!"
        SYS 1                 ; R1 still holds 13
        HALT

first   STR "TAV2 says hello"
second  STR "Bye!"
##
