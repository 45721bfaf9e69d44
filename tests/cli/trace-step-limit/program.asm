##
begin   INC R1
        BRA begin
##
