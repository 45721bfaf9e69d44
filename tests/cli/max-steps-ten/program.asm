A program that adds and stops.
##
begin   ADD R1, 5
        HALT
##
